#include <algorithm>
#include <charconv>
#include <vector>

#include "web/window_markup.h"

#include "text/json_writer.h"
#include "text/markup_escapes.h"
#include "window/control_table.h"

namespace trelvani::web {

// The control table's rows and lookups.
using namespace trelvani::window;

namespace {

void AppendNumber(std::string& out, int value) {
    char digits[16];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// Twips as CSS pixels, exactly: whole where they divide, else to a
// thousandth.
void AppendPixels(std::string& out, int twips) {
    AppendNumber(out, twips / kTwipsPerPixel);
    if (const int thousandths = twips % kTwipsPerPixel * 1000 / kTwipsPerPixel; thousandths != 0) {
        out += '.';
        std::string fraction = std::to_string(1000 + thousandths).substr(1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        out += fraction;
    }
    out += "px";
}

void AppendEscaped(std::string& out, std::string_view text) { out += HtmlText(text); }

bool NamesOf(const ControlRow& label, std::string_view name) {
    std::string_view names = label.labels;
    while (!names.empty()) {
        const std::size_t end = std::min(names.find(' '), names.size());
        if (names.substr(0, end) == name) return true;
        names.remove_prefix(std::min(end + 1, names.size()));
    }
    return false;
}

// The label a control is read after, if any.
const ControlRow* LabelOf(std::string_view name) {
    for (const ControlRow& row : kControlTable) {
        if (NamesOf(row, name)) return &row;
    }
    return nullptr;
}

bool IsHeading(const ControlRow& row) { return row.kind == ControlKind::Label && row.font == ControlFont::Bold9; }

// Where a control stands, as a rule of the page's style sheet: the page's
// content policy allows no style attributes.
void AppendPlacement(std::string& css, const ControlRow& row, int stacking) {
    css += '#' + IdOf(row) + "{left:";
    AppendPixels(css, row.left);
    css += ";top:";
    AppendPixels(css, row.top);
    css += ";width:";
    AppendPixels(css, row.width);
    css += ";height:";
    AppendPixels(css, row.height);
    css += ";z-index:";
    AppendNumber(css, stacking);
    if (const double points = PointSize(row.font); points > 0) {
        css += ";font-size:";
        AppendNumber(css, static_cast<int>(points * 100) / 100);
        if (const int hundredths = static_cast<int>(points * 100) % 100; hundredths != 0) {
            css += '.';
            AppendNumber(css, hundredths % 10 == 0 ? hundredths / 10 : hundredths);
        }
        css += "pt";
    }
    css += "}\n";
}

void AppendControl(std::string& out, const ControlRow& row, bool firstBox) {
    const std::string id = IdOf(row);
    const char* element = row.kind == ControlKind::Button ? "button"
                          : row.kind == ControlKind::TextBox ? "input"
                          : IsHeading(row) ? "h1"
                                           : "div";
    out += '<';
    out += element;
    if (row.kind == ControlKind::Button) out += " type=\"button\"";
    if (row.kind == ControlKind::TextBox) out += " type=\"text\" spellcheck=\"false\" autocomplete=\"off\"";
    out += " id=\"" + id + '"';
    std::string classes;
    if (row.kind == ControlKind::Label) classes += " etiqueta";
    if (row.centred) classes += " centrado";
    if (row.font != ControlFont::Default) classes += " comic";
    if (!classes.empty()) out += " class=\"" + classes.substr(1) + "\"";

    const ControlRow* label = LabelOf(id);
    if (row.name == "Mensajes") {
        // Named by its caption, and not a live region: the page's
        // announcement of each click says the message, and a screen reader
        // would take a second live region saying it as the same message
        // twice and drop the announcement.
        out += " role=\"group\"";
        if (label != nullptr) out += " aria-labelledby=\"" + IdOf(*label) + "\"";
    } else if (row.kind != ControlKind::Label) {
        // A box is read after its row's label ("X : componente 1"); its own
        // name, where it begins with the row, gives only the rest.
        std::string_view name = row.accessibleName;
        if (label != nullptr) {
            if (label->labels != id) name.remove_prefix(std::min(name.rfind(", ") + 2, name.size()));
            out += " aria-labelledby=\"" + IdOf(*label) + ' ' + id + "\"";
        }
        out += " aria-label=\"";
        AppendEscaped(out, name);
        out += '"';
    }
    if (!row.accessibleDescription.empty() && row.name != "Mensajes") {
        out += " aria-description=\"";
        AppendEscaped(out, row.accessibleDescription);
        out += '"';
    }
    if (const auto box = BoxOf(row)) {
        out += " data-box=\"";
        AppendNumber(out, static_cast<int>(*box));
        out += '"';
    }
    if (row.kind == ControlKind::TextBox) {
        // Focused as the page is first shown, without a layout of its own.
        if (firstBox) out += " autofocus";
        out += " value=\"";
        AppendEscaped(out, row.text);
        out += "\">";
        return;
    }
    if (row.kind == ControlKind::Label && row.text.empty()) out += " aria-hidden=\"true\"";
    out += '>';
    AppendEscaped(out, row.text);
    out += "</";
    out += element;
    out += '>';
}

}  // namespace

std::string WindowStyle() {
    std::string css = "#marco,#Trelvani_Fuzzy{width:";
    AppendPixels(css, kClientWidthTwips);
    css += ";height:";
    AppendPixels(css, kClientHeightTwips);
    css += "}\n";
    for (const ControlRow& row : kControlTable) {
        AppendPlacement(css, row, static_cast<int>(kControlTable.size()) - static_cast<int>(&row - kControlTable.data()));
    }
    return css;
}

std::string WindowMarkup() {
    // Focusable controls (and the message area) in tab order; labels go
    // just before what they name, the heading first, a label naming
    // nothing last.
    std::vector<const ControlRow*> order;
    for (const ControlRow& row : kControlTable) {
        if (row.kind != ControlKind::Label || row.name == "Mensajes") order.push_back(&row);
    }
    std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    for (const ControlRow& row : kControlTable) {
        if (row.kind != ControlKind::Label || row.name == "Mensajes") continue;
        auto at = order.begin();
        if (!row.labels.empty()) {
            const std::string_view first = row.labels.substr(0, row.labels.find(' '));
            at = std::find_if(order.begin(), order.end(), [&](auto* control) { return IdOf(*control) == first; });
        } else if (!IsHeading(row)) {
            at = order.end();
        }
        order.insert(at, &row);
    }
    std::stable_partition(order.begin(), order.end(), [](auto* row) { return IsHeading(*row); });

    std::string out = "<div id=\"marco\"><div id=\"Trelvani_Fuzzy\" role=\"group\" aria-label=\"";
    AppendEscaped(out, kWindowCaption);
    out += "\" data-width=\"";
    AppendNumber(out, kClientWidthTwips / kTwipsPerPixel);
    out += "\" data-height=\"";
    AppendNumber(out, kClientHeightTwips / kTwipsPerPixel);
    out += "\">";
    bool firstBox = true;
    for (const ControlRow* row : order) {
        AppendControl(out, *row, firstBox && row->kind == ControlKind::TextBox);
        firstBox = firstBox && row->kind != ControlKind::TextBox;
    }
    return out + "</div></div>";
}

std::string ControlTableJson() {
    static constexpr const char* kKinds[] = {"button", "textbox", "label"};
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("width").Integer(kClientWidthTwips).Key("height").Integer(kClientHeightTwips);
    json.Key("twipsPerPixel").Integer(kTwipsPerPixel).Key("controls").BeginArray();
    for (const ControlRow& row : kControlTable) {
        json.BeginObject().Key("name").String(row.name).Key("index").Integer(row.index);
        json.Key("kind").String(kKinds[static_cast<int>(row.kind)]);
        for (const auto& [key, value] : {std::pair{"text", row.text}, {"accessibleName", row.accessibleName},
                                         {"accessibleDescription", row.accessibleDescription}, {"labels", row.labels}}) {
            json.Key(key).String(value);
        }
        for (const auto& [key, value] : {std::pair{"left", row.left}, {"top", row.top}, {"width", row.width},
                                         {"height", row.height}, {"tabIndex", row.tabIndex}}) {
            json.Key(key).Integer(value);
        }
        json.EndObject();
    }
    json.EndArray().EndObject();
    return out;
}

}  // namespace trelvani::web
