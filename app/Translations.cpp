#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

TTranslations::TTranslations(const std::vector<std::string>& languages) {
  for (const std::string& language : languages) {
    // The texts are written in English.
    if (language == "en" || language.starts_with("en_")) return;
    if (Load(QString::fromStdString(language))) return;
  }
}

TTranslations::~TTranslations() {
  for (const auto& translator : FTranslators)
    QCoreApplication::removeTranslator(translator.get());
}

// QTranslator::load falls back from "de_DE" to "de" on its own.
bool TTranslations::Load(const QString& language) {
  auto own = std::make_unique<QTranslator>();
  if (!own->load(QStringLiteral("tallyon_") + language, app::TranslationsFolder())) return false;
  QCoreApplication::installTranslator(own.get());
  FTranslators.push_back(std::move(own));
  // Without Qt's own translations installed, its standard texts stay English.
  auto toolkit = std::make_unique<QTranslator>();
  if (toolkit->load(QStringLiteral("qtbase_") + language,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(toolkit.get());
    FTranslators.push_back(std::move(toolkit));
  }
  FLanguage = language;
  return true;
}

QString app::TranslationsFolder() {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tallyon/translations");
}
