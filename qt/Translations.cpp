#include "qt/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lumivox {

bool installChineseTranslations(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  // Qt's own folder first (Debian keeps them there), then a translations
  // folder beside the program, where a Windows build carries them.
  for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                QCoreApplication::applicationDirPath() + QStringLiteral("/translations")}) {
    if (translator->load(QStringLiteral("qtbase_zh_CN"), folder)) return QCoreApplication::installTranslator(translator);
  }
  delete translator;
  return false;
}

}  // namespace lumivox
