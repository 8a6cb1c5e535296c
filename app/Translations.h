#pragma once
// The program's texts in the user's language: Tallyon's own translation
// (tallyon_<language>.qm) and the toolkit's for its standard texts
// (qtbase_<language>.qm: the buttons of message boxes, the edit fields'
// context menus), for the first of the given languages that Tallyon has, an
// English one ending the search. With none of them, nothing is loaded and
// every text stays exactly as written. They stay installed as long as the
// object lives, so it is made before the first window.
//
//   TTranslations({"de_DE"})        -> tallyon_de.qm and qtbase_de.qm, Language() "de_DE"
//   TTranslations({"it", "fr"})     -> tallyon_fr.qm and qtbase_fr.qm, Language() "fr"
//   TTranslations({"en_GB", "de"})  -> nothing, Language() ""

#include <QString>
#include <QTranslator>

#include <memory>
#include <string>
#include <vector>

class TTranslations {
public:
  explicit TTranslations(const std::vector<std::string>& languages);
  ~TTranslations();
  TTranslations(const TTranslations&) = delete;
  TTranslations& operator=(const TTranslations&) = delete;

  // The language whose translation was loaded; empty when none was.
  const QString& Language() const { return FLanguage; }

private:
  bool Load(const QString& language);

  QString FLanguage;
  std::vector<std::unique_ptr<QTranslator>> FTranslators;
};

namespace app {

// Tallyon's translations: share/tallyon/translations beside the program's
// folder, in the build tree (build/bin) and the installed one (/usr/bin) alike.
QString TranslationsFolder();

} // namespace app
