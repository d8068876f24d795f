#pragma once

#include <array>
#include <functional>

#include <QLabel>
#include <QWidget>

#include "core/buttons.h"
#include "core/controls.h"
#include "core/runtime_error.h"

class QLineEdit;
class QPushButton;

namespace trelvani::app {

}  // namespace trelvani::app

namespace trelvani::window {
struct ControlRow;
}  // namespace trelvani::window

namespace trelvani::app {

using window::ControlRow;

// The message area: a label that screen readers take as a notification,
// announced whenever a message is shown in it.
class MessageArea : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
};

// What each click came to, for screen readers: not a widget, so the window
// keeps its 33 controls, but a notification under the window's accessible
// object, announced after every click that succeeds.
class Announcer : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    const QString& text() const { return text_; }
    void announce(const QString& text);

private:
    QString text_;
};

// Shows a runtime error to the user; the window carries on afterwards.
using ErrorReporter = std::function<void(QWidget* parent, const RuntimeError& error)>;

void ShowErrorBox(QWidget* parent, const RuntimeError& error);

// The calculator's one window: 33 controls at fixed places, no layouts.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(ErrorReporter reportError = ShowErrorBox, QWidget* parent = nullptr);

    QLineEdit* box(Box which) const;
    MessageArea* mensajes() const { return mensajes_; }
    Announcer* announcer() { return &announcer_; }

private:
    // The handlers see the window only through this.
    class WindowControls final : public Controls {
    public:
        explicit WindowControls(MainWindow& window) : window_(window) {}
        std::string Text(Box which) const override;
        void SetText(Box which, std::string_view text) override;
        void SetMensajes(std::string_view caption) override;

    private:
        MainWindow& window_;
    };

    QWidget* createControl(const ControlRow& row);
    QPushButton* createButton(const ControlRow& row, const Button* button);
    void runClick(const Button& button);

    ErrorReporter reportError_;
    WindowControls controls_{*this};
    std::array<QLineEdit*, kBoxCount> boxes_{};
    MessageArea* mensajes_ = nullptr;
    Announcer announcer_{this};
};

}  // namespace trelvani::app
