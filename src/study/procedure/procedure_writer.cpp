#include "study/procedure/procedure_writer.h"

#include "core/controls.h"
#include "core/formula_tokens.h"
#include "core/step_names.h"
#include "text/document_escapes.h"

namespace trelvani {
namespace {

// A name as mathematics: boxes and operands upright (\mathrm{XI}), a
// lower-case letter with a suffix subscripted (w_{XY}, x_{1}).
std::string LatexName(std::string_view name) {
    if (name == step::kOperandX || name == step::kOperandY || name == step::kCopied || name == step::kMessage ||
        BoxNamed(name)) {
        return "\\mathrm{" + std::string(name) + "}";
    }
    if (name.size() > 1 && name[0] >= 'a' && name[0] <= 'z') {
        return std::string(1, name[0]) + "_{" + std::string(name.substr(1)) + "}";
    }
    return std::string(name);
}

// A formula of the program's own, or a value, as LaTeX mathematics:
// "√x1" is \sqrt{x_{1}}, "*" is \cdot.
std::string LatexMath(std::string_view formula) {
    std::string out;
    for (std::size_t i = 0; i < formula.size();) {
        const FormulaToken token = FormulaTokenAt(formula, i);
        i += token.text.size();
        switch (token.part) {
        case FormulaPart::Root: {
            // Over the name or number right after it, or the negative value
            // put in its place, which stands in parentheses: "√(-1)".
            std::string_view radicand;
            if (i < formula.size()) {
                const FormulaToken next = FormulaTokenAt(formula, i);
                if (next.part == FormulaPart::Name || next.part == FormulaPart::Number) radicand = next.text;
                const std::size_t close = formula.find(')', i);
                if (next.text == "(" && close != std::string_view::npos) radicand = formula.substr(i, close + 1 - i);
            }
            i += radicand.size();
            out += "\\sqrt{" + LatexMath(radicand) + "}";
            break;
        }
        case FormulaPart::Name:
            out += LatexName(token.text);
            break;
        case FormulaPart::Number:
            out += LatexNumber(token.text);
            break;
        case FormulaPart::Symbol:
            out += token.text == "*" ? std::string_view("\\cdot ") : token.text;
            break;
        }
    }
    return out;
}

std::string Joined(const std::vector<std::string>& parts, std::string (*write)(std::string_view)) {
    std::string out;
    for (const std::string& part : parts) out += (out.empty() ? "" : " = ") + write(part);
    return out;
}

std::string Plain(std::string_view text) { return std::string(text); }

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    return quoted.append(text).append(1, '"');
}

}  // namespace

std::string ProcedureAsText(const Procedure& procedure) {
    std::string out = "Procedimiento: " + std::string(procedure.button) + "\n";
    if (procedure.lines.empty()) out += std::string(kNothingComputed) + "\n";
    for (std::size_t i = 0; i < procedure.lines.size(); ++i) {
        const ProcedureLine& line = procedure.lines[i];
        out += std::to_string(i + 1) + ". " + LineText(line);
        if (!line.note.empty()) out += " (" + std::string(line.note) + ")";
        out += "\n";
    }
    for (const WrittenText& box : procedure.boxes) out += std::string(box.control) + ": " + Quoted(box.text) + "\n";
    return out;
}

std::string ProcedureAsMarkdown(const Procedure& procedure) {
    std::string out = "**Procedimiento: " + std::string(procedure.button) + "**\n\n";
    if (procedure.lines.empty()) out += MarkdownText(kNothingComputed) + "\n";
    for (std::size_t i = 0; i < procedure.lines.size(); ++i) {
        const ProcedureLine& line = procedure.lines[i];
        // The working is the program's own names and numbers, shown as code.
        out += std::to_string(i + 1) + ". `" + Joined(line.math, Plain) + "`";
        if (!line.rounded.empty()) out += " → en precisión simple: `" + line.rounded + "`";
        if (!line.error.empty()) out += " → " + MarkdownText(line.error);
        if (!line.note.empty()) out += " — *" + MarkdownText(line.note) + "*";
        out += "\n";
    }
    if (!procedure.boxes.empty()) out += "\n";
    for (const WrittenText& box : procedure.boxes) {
        out += "- " + std::string(box.control) + ": " + MarkdownText(Quoted(box.text)) + "\n";
    }
    return out;
}

std::string ProcedureAsLatex(const Procedure& procedure) {
    // Ragged right: long numbers and box texts break where they can,
    // never past the margin.
    std::string out = "\\paragraph{Procedimiento: " + std::string(procedure.button) + "}\n{\\raggedright\n";
    if (procedure.lines.empty()) {
        out += LatexProse(kNothingComputed) + "\\par\n";
    } else {
        out += "\\begin{enumerate}\n";
        for (const ProcedureLine& line : procedure.lines) {
            out += "\\item $" + Joined(line.math, LatexMath);
            out += line.rounded.empty() ? "$" : " \\to " + LatexMath(line.rounded) + "$ (en precisión simple)";
            if (!line.error.empty()) out += " $\\to$ " + LatexProse(line.error);
            if (!line.note.empty()) out += " \\emph{" + LatexProse(line.note) + "}";
            out += "\n";
        }
        out += "\\end{enumerate}\n";
    }
    for (const WrittenText& box : procedure.boxes) {
        out += std::string(box.control) + ": \\texttt{\\textquotedbl{}" + LatexText(box.text) + "\\textquotedbl{}}\\par\n";
    }
    out += "\\par}\n";
    return out;
}

}  // namespace trelvani
