// The window's texts in the user's language: the translation chosen from a
// list of languages (platform::UserMessageLanguages gives it from the
// environment), the window, its menus and the submit dialog in it, and the
// toolkit's own standard texts along with them.

#include "WindowFixture.h"
#include "app/ErrorTexts.h"
#include "app/NoticeTexts.h"
#include "app/Translations.h"
#include "dialogs/USubmitNumber.h"
#include "math/CVMathConst.h"
#include "settings/SettingsNotice.h"

#include <QMenuBar>

namespace apptest {
namespace {

struct Texts {
  QString language, menus, viewEntries, title, memoryCaption, submitTitle, qtCancel;
};

Texts TextsOf(TFCalc& window) {
  Texts texts;
  QMenuBar* bar = window.findChild<QMenuBar*>();
  for (QAction* menu : bar->actions())
    texts.menus += menu->text() + QStringLiteral("|");
  for (QAction* entry : bar->actions().at(2)->menu()->actions())
    texts.viewEntries += entry->text() + QStringLiteral("|");
  texts.title = window.windowTitle();
  texts.memoryCaption = window.findChild<TmxFlatPanel*>("mxFlatPanel1")->Caption();
  texts.submitTitle = TFSubmitNumber(&window).windowTitle();
  texts.qtCancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
  return texts;
}

const Texts English{
    "",
    "&File|&Edit|&View|&Help|",
    "Sh&ow Tallyon In||Thousand &separator|Stay On &Top|&Functions|T&ape|&Keep the Tape Across "
    "Restarts|",
    "Tallyon - Freeware",
    " Memory =",
    "Submit",
    "Cancel"};
const Texts German{"",
                   "&Datei|&Bearbeiten|&Ansicht|&Hilfe|",
                   "Tallyon &zeigen in||&Tausendertrennzeichen|Immer im &Vordergrund|&Funktionen|"
                   "&Rechenstreifen|Rechenstreifen &behalten|",
                   "Tallyon - Freeware",
                   " Speicher =",
                   "Zahl eingeben",
                   "Abbrechen"};
const Texts French{
    "",
    "&Fichier|É&dition|Affic&hage|&Aide|",
    "&Montrer Tallyon dans||&Séparateur des milliers|Toujours au &premier plan|&Fonctions|"
    "&Bande|&Garder la bande entre les sessions|",
    "Tallyon - Gratuiciel",
    " Mémoire =",
    "Saisir un nombre",
    "Annuler"};

Texts With(Texts texts, const char* language) {
  texts.language = QString::fromLatin1(language);
  return texts;
}

TEST_F(Window, TextsInTheFirstLanguageTallyonHas) {
  const struct {
    std::vector<std::string> languages;
    Texts expected;
  } rows[] = {
      {{}, English},
      {{"de_DE"}, With(German, "de_DE")},
      {{"de"}, With(German, "de")},
      {{"de_AT"}, With(German, "de_AT")},
      {{"fr_FR"}, With(French, "fr_FR")},
      {{"fr_CA"}, With(French, "fr_CA")},
      {{"it", "fr"}, With(French, "fr")},
      {{"xx_YY", "de_CH"}, With(German, "de_CH")},
      // English is the written texts: it ends the search.
      {{"en_US", "de"}, English},
      {{"en", "fr"}, English},
      {{"es_ES", "it"}, English},
  };
  for (const auto& row : rows) {
    const std::string tag = row.languages.empty() ? "(none)" : row.languages.front();
    {
      const TTranslations translations(row.languages);
      EXPECT_EQ(translations.Language(), row.expected.language) << tag;
      const Texts texts = TextsOf(Open());
      EXPECT_EQ(texts.menus, row.expected.menus) << tag;
      EXPECT_EQ(texts.viewEntries, row.expected.viewEntries) << tag;
      EXPECT_EQ(texts.title, row.expected.title) << tag;
      EXPECT_EQ(texts.memoryCaption, row.expected.memoryCaption) << tag;
      EXPECT_EQ(texts.submitTitle, row.expected.submitTitle) << tag;
      EXPECT_EQ(texts.qtCancel, row.expected.qtCancel) << tag;
      window.reset();
    }
    // Gone with the object: a window made after it is English again.
    EXPECT_EQ(TextsOf(Open()).menus, English.menus) << tag;
    window.reset();
  }
}

// The arithmetic's and the number reader's messages in the box: translated
// under German and French, byte for byte under English and with none.
TEST_F(Window, ErrorMessagesInTheUsersLanguage) {
  const std::string notANumber = "'1e5e5' is not a valid floating point value";
  const struct {
    std::vector<std::string> languages;
    const char* overflow;
    const char* negative;
    const char* notANumber;
  } rows[] = {
      {{}, "Overflow", "Negativ value", "'1e5e5' is not a valid floating point value"},
      {{"en_GB"}, "Overflow", "Negativ value", "'1e5e5' is not a valid floating point value"},
      {{"de_DE"}, "Überlauf", "Negativer Wert", "'1e5e5' ist kein gültiger Gleitkommawert"},
      {{"fr_FR"},
       "Dépassement de capacité",
       "Valeur négative",
       "'1e5e5' n'est pas un nombre à virgule flottante valide"},
  };
  for (const auto& row : rows) {
    const TTranslations translations(row.languages);
    const std::string tag = row.languages.empty() ? "(none)" : row.languages.front();
    EXPECT_EQ(app::TranslatedError(CVMathConst::SOverflow), QString::fromUtf8(row.overflow)) << tag;
    EXPECT_EQ(app::TranslatedError(CVMathConst::SNegativValue), QString::fromUtf8(row.negative))
        << tag;
    EXPECT_EQ(app::TranslatedError(notANumber), QString::fromUtf8(row.notANumber)) << tag;
    // A message the window does not know stays as it is.
    EXPECT_EQ(app::TranslatedError("Memory cell 11 is outside 1 to 10"),
              QStringLiteral("Memory cell 11 is outside 1 to 10"))
        << tag;
  }
  // Under English the box's text is the message's own, byte for byte.
  EXPECT_EQ(app::TranslatedError(notANumber).toStdString(), notANumber);
}

// The settings file's notices and a failed save: translated under German
// and French with the file, the names and the system's cause in place, and
// under English and with none the settings' own English text to the byte.
TEST_F(Window, SettingsNoticesInTheUsersLanguage) {
  using USet::TNoticeKind, USet::TValueProblem;
  const std::vector<USet::TSettingsNotice> notices = {
      {TNoticeKind::Damaged, "/h/%2.reg.bad", {}, {}},
      {TNoticeKind::Unwritable, "/h/s.reg", "Permission denied", {}},
      {TNoticeKind::Unusable, "/h/s.reg", {}, {}},
      {TNoticeKind::BadValues,
       "/h/s.reg",
       {},
       {{"ShowIn", TValueProblem::WrongType}, {"AngularMeasure", TValueProblem::OutOfRange, 0, 3}}},
  };
  const std::string saveFailure = "Failed to set data for 'Value'\n\"/h/s.reg\": Is a directory";
  const struct {
    std::vector<std::string> languages;
    const char* notices; // nullptr: the English text
    const char* saveFailure;
  } rows[] = {
      {{}, nullptr, "Failed to set data for 'Value'\n\"/h/s.reg\": Is a directory"},
      {{"en_GB"}, nullptr, "Failed to set data for 'Value'\n\"/h/s.reg\": Is a directory"},
      {{"de_DE"},
       "Die Einstellungsdatei war beschädigt und konnte nicht gelesen werden. Sie wurde als "
       "\"/h/%2.reg.bad\" aufbewahrt, und die Einstellungen beginnen mit ihren Standardwerten.\n"
       "Die Einstellungsdatei \"/h/s.reg\" kann nicht geschrieben werden (Permission denied): "
       "Änderungen an den Einstellungen werden nicht gespeichert.\n"
       "Die Einstellungsdatei kann weder gelesen noch geschrieben werden: \"/h/s.reg\". Die "
       "Einstellungen beginnen mit ihren Standardwerten.\n"
       "Einige gespeicherte Einstellungen in \"/h/s.reg\" können nicht verwendet werden: "
       "\"ShowIn\" hat den falschen Typ; \"AngularMeasure\" liegt außerhalb seines Bereichs, 0 bis "
       "3. Sie beginnen mit ihren Standardwerten.",
       "Daten für 'Value' konnten nicht gespeichert werden\n\"/h/s.reg\": Is a directory"},
      {{"fr_FR"},
       "Le fichier des réglages était endommagé et n'a pas pu être lu. Il a été conservé sous "
       "« /h/%2.reg.bad », et les réglages reprennent leurs valeurs par défaut.\n"
       "Le fichier des réglages « /h/s.reg » ne peut pas être écrit (Permission denied) : les "
       "modifications des réglages ne seront pas conservées.\n"
       "Le fichier des réglages ne peut être ni lu ni écrit : « /h/s.reg ». Les réglages "
       "reprennent leurs valeurs par défaut.\n"
       "Des réglages enregistrés dans « /h/s.reg » ne sont pas utilisables : « ShowIn » est d'un "
       "type incorrect; « AngularMeasure » est hors de sa plage, 0 à 3. Ils reprennent leurs "
       "valeurs par défaut.",
       "Impossible d'enregistrer les données de « Value »\n\"/h/s.reg\": Is a directory"},
  };
  for (const auto& row : rows) {
    const TTranslations translations(row.languages);
    const std::string tag = row.languages.empty() ? "(none)" : row.languages.front();
    const std::string english = USet::NoticesText(notices);
    EXPECT_EQ(app::TranslatedNotices(notices).toStdString(),
              row.notices ? std::string(row.notices) : english)
        << tag;
    EXPECT_EQ(app::TranslatedError(saveFailure).toStdString(), row.saveFailure) << tag;
  }
  // The English text itself, as the settings' tests know it.
  EXPECT_TRUE(USet::NoticesText(notices).starts_with(
      "The settings file was damaged and could not be read. It has been kept as "
      "\"/h/%2.reg.bad\", and the settings start from their defaults.\n"))
      << USet::NoticesText(notices);
}

} // namespace
} // namespace apptest
