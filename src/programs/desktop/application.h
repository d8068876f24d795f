#pragma once

class QApplication;

namespace trelvani::app {

// Names, version and icon of the program, and Qt's own texts in Spanish
// whatever the user's locale.
void SetUpApplication(QApplication& application);

}  // namespace trelvani::app
