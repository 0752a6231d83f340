#pragma once
// The toolkit's own texts (file dialog buttons and labels, the standard
// buttons of message boxes, edit box context menus) in Simplified Chinese,
// like the rest of the program, whatever the machine's language.
class QCoreApplication;
class QTranslator;

namespace platform {

// The translator installed (owned by `app`), or nullptr without one.
QTranslator* installToolkitTranslations(QCoreApplication& app);

}  // namespace platform
