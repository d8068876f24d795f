#include "click_invariants.h"

#include "core/number_to_text.h"
#include "core/operand_io.h"

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

const Step* LastNamed(const StepList& steps, std::string_view name) {
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        if (step->name == name) return &*step;
    }
    return nullptr;
}

// The box shows the text of the listed value, a fourth component or the
// centroid as a single.
std::optional<std::string> ShowsListed(const MemoryControls& after, Box box, const StepList& steps,
                                       const std::string& name, bool single) {
    const Step* step = LastNamed(steps, name);
    if (step == nullptr || !step->value) return "el procedimiento no da " + name;
    const std::string listed = single ? NumberToText(static_cast<float>(*step->value)).str()
                                      : NumberToText(*step->value).str();
    if (after.View(box) != listed) {
        return std::string(BoxName(box)) + " muestra '" + after.Text(box) + "' y el procedimiento " + name + " = '" +
               listed + "'";
    }
    return std::nullopt;
}

std::optional<std::string> MatchesListing(std::string_view button, const MemoryControls& after,
                                          const StepList& steps) {
    if (button == "DEFUZY") return ShowsListed(after, Box::Def, steps, "D", true);
    if ((AllowedWrites(button) & kZ) == 0) return std::nullopt;
    // Max and Min copy an operand whole, or write nothing.
    std::string source = "z";
    if (button == "Maximo" || button == "Minimo") {
        const Step* outcome = LastNamed(steps, "Z");
        if (outcome == nullptr) return std::nullopt;
        source = outcome->formula == "X" ? "x" : "y";
    }
    const Box zs[] = {Box::ZI, Box::ZII, Box::ZIII, Box::ZIV};
    for (int i = 0; i < 4; ++i) {
        if (auto problem = ShowsListed(after, zs[i], steps, source + std::to_string(i + 1), i == 3)) return problem;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckClick(std::string_view button, const MemoryControls& before,
                                      const MemoryControls& after,
                                      const std::optional<RuntimeError>& error, const StepList& steps) {
    if (error) {
        if (!(after == before)) return std::string(button) + ": un error cambió textos";
        if (!steps.empty() && steps.back().error != error->code()) {
            return std::string(button) + ": el procedimiento no acaba en el paso que falló";
        }
        return std::nullopt;
    }
    if (auto problem = MatchesListing(button, after, steps)) return std::string(button) + ": " + *problem;
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
