#include "click_invariants.h"

#include "fields/operand_io.h"

namespace trelvani::testing {
namespace {

enum Writes : unsigned {
    kX = 1,
    kY = 2,
    kZ = 4,
    kDef = 8,
    kMensajes = 16,
};

// The boxes each button may write.
unsigned AllowedWrites(std::string_view button) {
    if (button == "Division") return kZ | kMensajes;
    if (button == "Maximo" || button == "Minimo") return kZ | kMensajes;
    if (button == "DEFUZY") return kDef;
    if (button == "Borrar") return kX | kY;
    if (button == "XZ") return kX;
    if (button == "YZ") return kY;
    return kZ;
}

unsigned GroupOf(Box box) {
    if (box == Box::Def) return kDef;
    const auto index = static_cast<unsigned>(box);
    return index < 4 ? kX : index < 8 ? kY : kZ;
}

std::optional<std::string> ReadsBack(const MemoryControls& after, Box box) {
    try {
        const bool fourth = box == Box::XIV || box == Box::YIV || box == Box::ZIV || box == Box::Def;
        if (fourth) {
            ReadSingle(after, box);
        } else {
            ReadDouble(after, box);
        }
    } catch (const RuntimeError& error) {
        // Doubles within half a unit of the 15th digit of the largest double
        // show as a text just beyond it: that one text cannot be read back.
        const std::string text = after.Text(box);
        if (text.size() > 1 && text.substr(1) == "1.79769313486232E+308") return std::nullopt;
        return "el texto escrito en " + std::string(BoxName(box)) + " no se relee: error " +
               std::to_string(error.code());
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckClick(std::string_view button, const MemoryControls& before,
                                      const MemoryControls& after,
                                      const std::optional<RuntimeError>& error) {
    if (error) {
        if (!(after == before)) return std::string(button) + ": un error cambió textos";
        return std::nullopt;
    }
    const unsigned allowed = AllowedWrites(button);
    unsigned changed = 0;
    for (Box box : kAllBoxes) {
        if (after.Text(box) == before.Text(box)) continue;
        changed |= GroupOf(box);
        if ((GroupOf(box) & allowed) == 0) {
            return std::string(button) + " cambió " + std::string(BoxName(box));
        }
        if (button != "Borrar") {
            if (auto problem = ReadsBack(after, box)) return *problem;
        }
    }
    if (after.Mensajes() != before.Mensajes()) {
        if ((allowed & kMensajes) == 0) return std::string(button) + " cambió Mensajes";
        const std::string_view expected = button == "Division" ? "" : "Ambos numeros son iguales";
        if (after.Mensajes() != expected) return std::string(button) + ": Mensajes inesperado";
        if (button != "Division" && (changed & kZ) != 0) {
            return std::string(button) + " escribió Z y Mensajes a la vez";
        }
    }
    if (button == "Borrar") {
        for (Box box : {Box::XI, Box::XII, Box::XIII, Box::XIV, Box::YI, Box::YII, Box::YIII, Box::YIV}) {
            if (!after.Text(box).empty()) return "Borrar dejó texto en " + std::string(BoxName(box));
        }
    }
    if (button == "Division" && !after.Mensajes().empty()) return "Division no vació Mensajes";
    return std::nullopt;
}

}  // namespace trelvani::testing
