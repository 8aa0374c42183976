#pragma once

class QCoreApplication;

namespace lumivox {

// Qt's own Chinese translations, whatever the system's language: the standard
// buttons of message and input boxes (OK, Cancel, Yes, No) and Qt's dialogs
// read in Chinese like the program's own texts. False when they are not
// installed; the boxes then keep Qt's English buttons.
bool installChineseTranslations(QCoreApplication& app);

}  // namespace lumivox
