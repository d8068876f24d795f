#include "protocol/request.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include <nlohmann/json.hpp>

#include "core/floating_charconv.h"
#include "protocol/cut_answers.h"

namespace trelvani::protocol {
namespace {

// Reads a line as it is lexed and stops at the first thing a request
// cannot hold, so nothing but the texts of the boxes is ever kept.
class RequestReader final : public nlohmann::json_sax<nlohmann::json> {
public:
    std::optional<std::string> reason;
    Request request;

    bool null() override { return Scalar(); }
    bool boolean(bool value) override {
        if (expecting_ == Expecting::ConventionsFlag) {
            request.conventions = value;
        } else if (expecting_ == Expecting::StepsFlag) {
            request.steps = value;
        } else {
            return Scalar();
        }
        expecting_ = Expecting::TopKey;
        return true;
    }
    bool number_integer(number_integer_t value) override {
        return WholeAlpha(value == 0 || value == 1, static_cast<double>(value), std::to_string(value));
    }
    bool number_unsigned(number_unsigned_t value) override {
        return WholeAlpha(value <= 1, static_cast<double>(value), std::to_string(value));
    }
    // An α is read from its own digits, as the box texts are. The lexer
    // hands them over with the C locale's decimal point in place of '.'.
    bool number_float(number_float_t, const string_t& lexed) override {
        if (expecting_ != Expecting::Alpha) return Scalar();
        std::string text = lexed;
        for (char& c : text) {
            if (c != '-' && c != '+' && c != 'e' && c != 'E' && (c < '0' || c > '9')) c = '.';
        }
        double alpha = 0.0;
        if (!ReadAlphaNumber(text, alpha)) return Fail("α fuera de [0, 1]: " + text);
        return AddAlpha(alpha);
    }
    bool binary(binary_t&) override { return Scalar(); }
    bool start_array(std::size_t) override {
        if (expecting_ != Expecting::AlphaList) return Scalar();
        expecting_ = Expecting::Alpha;
        return true;
    }
    bool end_array() override {
        if (expecting_ != Expecting::Alpha) return Scalar();
        if (request.alphas.empty()) return Fail(std::string(kAlphaShape));
        expecting_ = Expecting::TopKey;
        return true;
    }

    bool string(string_t& text) override {
        switch (expecting_) {
        case Expecting::Click:
            request.button = ButtonNamed(text);
            if (request.button == nullptr) return Fail("botón desconocido: " + text);
            expecting_ = Expecting::TopKey;
            return true;
        case Expecting::Text:
            request.texts.emplace_back(box_, std::move(text));
            expecting_ = Expecting::SetKey;
            return true;
        default:
            return Scalar();
        }
    }

    bool start_object(std::size_t) override {
        switch (expecting_) {
        case Expecting::Request:
            expecting_ = Expecting::TopKey;
            return true;
        case Expecting::SetObject:
            expecting_ = Expecting::SetKey;
            return true;
        default:
            return Scalar();
        }
    }

    bool key(string_t& name) override {
        if (expecting_ == Expecting::TopKey) {
            if (name == "set") return TopKey(seenSet_, Expecting::SetObject, name);
            if (name == "click") return TopKey(seenClick_, Expecting::Click, name);
            if (name == "steps") return TopKey(seenSteps_, Expecting::StepsFlag, name);
            if (name == "alpha") {
                request.cuts = true;
                return TopKey(seenAlpha_, Expecting::AlphaList, name);
            }
            if (name == "conventions") return TopKey(seenConventions_, Expecting::ConventionsFlag, name);
            return Fail("clave desconocida: " + name);
        }
        const auto box = BoxNamed(name);
        if (!box) return Fail("casilla desconocida: " + name);
        bool& seen = seenBoxes_[static_cast<std::size_t>(*box)];
        if (seen) return Fail("casilla repetida: " + name);
        seen = true;
        box_ = *box;
        expecting_ = Expecting::Text;
        return true;
    }

    bool end_object() override {
        expecting_ = expecting_ == Expecting::SetKey ? Expecting::TopKey : Expecting::Nothing;
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return Fail("JSON no válido");
    }

private:
    enum class Expecting {
        Request, TopKey, SetObject, SetKey, Click, StepsFlag, ConventionsFlag, AlphaList, Alpha, Text, Nothing
    };

    static constexpr std::string_view kAlphaShape = "\"alpha\" debe ser una lista de 1 a 65 números entre 0 y 1";

    bool WholeAlpha(bool inRange, double value, const std::string& text) {
        if (expecting_ != Expecting::Alpha) return Scalar();
        if (!inRange) return Fail("α fuera de [0, 1]: " + text);
        return AddAlpha(value);
    }
    static bool ReadAlphaNumber(const std::string& text, double& alpha) {
        const auto [end, error] = ReadDouble(text.data(), text.data() + text.size(), alpha);
        if (error != std::errc() || end != text.data() + text.size()) return false;
        alpha += 0.0;
        return alpha >= 0.0 && alpha <= 1.0;
    }
    bool AddAlpha(double alpha) {
        if (request.alphas.size() == kMaxAlphas) return Fail(std::string(kAlphaShape));
        request.alphas.push_back(alpha);
        return true;
    }

    // A value the request has no place for.
    bool Scalar() {
        switch (expecting_) {
        case Expecting::Request:
            return Fail("se esperaba un objeto JSON");
        case Expecting::SetObject:
            return Fail("\"set\" debe ser un objeto");
        case Expecting::Click:
            return Fail("\"click\" debe ser una cadena");
        case Expecting::StepsFlag:
            return Fail("\"steps\" debe ser true o false");
        case Expecting::ConventionsFlag:
            return Fail("\"conventions\" debe ser true o false");
        case Expecting::AlphaList:
        case Expecting::Alpha:
            return Fail(std::string(kAlphaShape));
        case Expecting::Text:
            return Fail("el texto de " + std::string(BoxName(box_)) + " debe ser una cadena");
        default:
            return Fail("JSON no válido");
        }
    }

    bool TopKey(bool& seen, Expecting next, const std::string& name) {
        if (seen) return Fail("clave repetida: " + name);
        seen = true;
        expecting_ = next;
        return true;
    }

    bool Fail(std::string why) {
        if (!reason) reason = std::move(why);
        return false;
    }

    Expecting expecting_ = Expecting::Request;
    Box box_ = Box::XI;
    bool seenSet_ = false;
    bool seenClick_ = false;
    bool seenSteps_ = false;
    bool seenAlpha_ = false;
    bool seenConventions_ = false;
    std::array<bool, kBoxCount> seenBoxes_{};
};

}  // namespace

std::optional<std::string> ParseRequest(std::string_view line, Request& request) {
    if (line.find('\0') != std::string_view::npos) return "la línea contiene un byte nulo";
    RequestReader reader;
    const bool parsed = nlohmann::json::sax_parse(line.begin(), line.end(), &reader);
    if (!parsed) return reader.reason ? std::move(reader.reason) : "JSON no válido";
    request = std::move(reader.request);
    if ((request.cuts || request.conventions) && request.button == nullptr) {
        return "\"alpha\" y \"conventions\" necesitan un \"click\"";
    }
    return std::nullopt;
}

}  // namespace trelvani::protocol
