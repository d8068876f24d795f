#include "programs/desktop/main_window.h"

#include <algorithm>
#include <limits>
#include <map>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "study/announcement.h"
#include "study/click_record.h"
#include "window/control_table.h"

namespace trelvani::app {
namespace {

using window::ControlFont;
using window::ControlKind;
using window::ControlRow;
using window::kClientHeightTwips;
using window::kClientWidthTwips;
using window::kControlTable;
using window::kTwipsPerPixel;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect PixelGeometry(const ControlRow& row) {
    return {row.left / kTwipsPerPixel, row.top / kTwipsPerPixel, row.width / kTwipsPerPixel,
            row.height / kTwipsPerPixel};
}

void ApplyFont(QWidget* widget, ControlFont font) {
    if (font == ControlFont::Default) return;
    QFont bold = widget->font();
    // Comic Neue is the free face nearest to Comic Sans MS.
    bold.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")});
    bold.setWeight(QFont::Bold);
    bold.setItalic(false);
    bold.setUnderline(false);
    bold.setStrikeOut(false);
    bold.setPointSizeF(PointSize(font));
    widget->setFont(bold);
}

// Orca speaks a notification when it is shown, and drops name changes of
// plain labels: the message area is a notification named by its text.
class MessageAreaAccessible final : public QAccessibleWidget {
public:
    explicit MessageAreaAccessible(MessageArea* area) : QAccessibleWidget(area, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

// The announcement: a notification with no place on screen, named by what
// it says.
class AnnouncerAccessible final : public QAccessibleObject {
public:
    explicit AnnouncerAccessible(Announcer* announcer) : QAccessibleObject(announcer) {}
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(object()->parent()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<Announcer*>(object())->text() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

// The window with the announcement as its last accessible child.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(MainWindow* window) : QAccessibleWidget(window, QAccessible::Window) {}
    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override {
        return index == QAccessibleWidget::childCount() ? announcement() : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == announcement() ? QAccessibleWidget::childCount() : QAccessibleWidget::indexOfChild(child);
    }

private:
    QAccessibleInterface* announcement() const {
        return QAccessible::queryAccessibleInterface(static_cast<MainWindow*>(widget())->announcer());
    }
};

QAccessibleInterface* AccessibleFactory(const QString&, QObject* object) {
    if (auto* area = qobject_cast<MessageArea*>(object)) return new MessageAreaAccessible(area);
    if (auto* announcer = qobject_cast<Announcer*>(object)) return new AnnouncerAccessible(announcer);
    if (auto* window = qobject_cast<MainWindow*>(object)) return new WindowAccessible(window);
    return nullptr;
}

}  // namespace

void ShowErrorBox(QWidget* parent, const RuntimeError& error) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Trelvani"), FromUtf8(ErrorReport(error)),
                    QMessageBox::Ok, parent);
    box.exec();
}

MainWindow::MainWindow(ErrorReporter reportError, QWidget* parent)
    : QWidget(parent), reportError_(std::move(reportError)) {
    QAccessible::installFactory(AccessibleFactory);  // once; installing it again does nothing
    setObjectName(QStringLiteral("Trelvani_Fuzzy"));
    setWindowTitle(FromUtf8(window::kWindowCaption));
    resize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);

    // Later siblings are drawn over earlier ones, so the front row is made last.
    std::map<int, QWidget*> byTabIndex;
    for (auto row = kControlTable.rbegin(); row != kControlTable.rend(); ++row) {
        QWidget* control = createControl(*row);
        if (control->focusPolicy() != Qt::NoFocus) byTabIndex.emplace(row->tabIndex, control);
    }
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, control] : byTabIndex) {
        if (previous != nullptr) setTabOrder(previous, control);
        previous = control;
    }
    box(Box::XI)->setFocus(Qt::OtherFocusReason);
}

QWidget* MainWindow::createControl(const ControlRow& row) {
    QWidget* control = nullptr;
    switch (row.kind) {
    case ControlKind::Button:
        control = createButton(row, ButtonNamed(row.name));
        break;
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(FromUtf8(row.text), this);
        edit->setMaxLength(std::numeric_limits<int>::max());
        edit->setCursorPosition(0);
        if (const auto which = BoxOf(row)) boxes_[static_cast<std::size_t>(*which)] = edit;
        control = edit;
        break;
    }
    case ControlKind::Label: {
        auto* label = row.name == "Mensajes" ? new MessageArea(FromUtf8(row.text), this)
                                             : new QLabel(FromUtf8(row.text), this);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignTop | (row.centred ? Qt::AlignHCenter : Qt::AlignLeft));
        label->setAutoFillBackground(true);
        label->setFocusPolicy(Qt::NoFocus);
        label->setTextFormat(Qt::PlainText);
        if (row.name == "Mensajes") {
            QPalette palette = label->palette();
            palette.setColor(QPalette::Window, QColor(255, 255, 192));
            label->setPalette(palette);
            mensajes_ = static_cast<MessageArea*>(label);
        }
        control = label;
        break;
    }
    }
    QString name = FromUtf8(row.name);
    if (row.index >= 0) {
        name += QStringLiteral("_%1").arg(row.index);
        control->setProperty("index", row.index);
    }
    control->setObjectName(name);
    control->setGeometry(PixelGeometry(row));
    // A label without a name of its own is read as its text.
    control->setAccessibleName(FromUtf8(row.accessibleName));
    control->setAccessibleDescription(FromUtf8(row.accessibleDescription));
    ApplyFont(control, row.font);
    return control;
}

QPushButton* MainWindow::createButton(const ControlRow& row, const Button* clicked) {
    auto* button = new QPushButton(FromUtf8(row.text), this);
    // Enter on a focused button presses it, as Space does. Outside a dialog no
    // button ever becomes the default, so Enter in a box still runs nothing.
    button->setAutoDefault(true);
    button->setDefault(false);
    if (clicked != nullptr) {
        connect(button, &QPushButton::clicked, this, [this, clicked] { runClick(*clicked); });
    }
    return button;
}

void MainWindow::runClick(const Button& button) {
    const ClickRecord click = RecordClick(button, controls_);
    if (click.error) {
        reportError_(this, *click.error);
        return;
    }
    // A message shown speaks for itself (see SetMensajes); anything else the
    // click wrote is said once, even when it is what the boxes held before.
    const bool messageShown = std::any_of(click.written.begin(), click.written.end(), [](const WrittenText& written) {
        return written.control == "Mensajes" && !written.text.empty();
    });
    if (!messageShown) announcer_.announce(FromUtf8(AnnouncementOf(click)));
}

void Announcer::announce(const QString& text) {
    text_ = text;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QLineEdit* MainWindow::box(Box which) const { return boxes_[static_cast<std::size_t>(which)]; }

std::string MainWindow::WindowControls::Text(Box which) const {
    return window_.box(which)->text().toStdString();
}

void MainWindow::WindowControls::SetText(Box which, std::string_view text) {
    QLineEdit* edit = window_.box(which);
    edit->setText(FromUtf8(text));
    edit->setCursorPosition(0);
}

void MainWindow::WindowControls::SetMensajes(std::string_view caption) {
    window_.mensajes_->setText(FromUtf8(caption));
    // A message shown is announced once; an emptied area says nothing.
    if (caption.empty()) return;
    QAccessibleEvent shown(window_.mensajes_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace trelvani::app
