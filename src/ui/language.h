#pragma once

#include <QString>
#include <QStringList>

// The language the program speaks: the system's, where the program has a
// translation for it, else English, in which its texts are written. No setting of
// its own.
namespace language {

// The code of the language to show: "en" for the texts as written, else one of
// `translated` ("de", "fr_CA"). The first of `wanted` (the system's languages, most
// wanted first, as QLocale::uiLanguages() gives them: "de-AT", "fr_CA") that is
// English or translated, each tried as it is and then without its last part
// ("de-AT" as de_AT, then as de). Letter case does not matter.
QString choose(const QStringList &wanted, const QStringList &translated);

// Chooses from `wanted` among the translations in `folder` (velmora_<code>.qm) and
// installs the program's and Qt's own (qtbase_<code>.qm, where `folder` has it) for
// that language into the application, in place of any installed before. Returns
// the code. The folder built into the program is ":/i18n".
QString install(const QStringList &wanted, const QString &folder = QStringLiteral(":/i18n"));

// For the report support reads, in English: the language installed last and what
// it was chosen from, "German (de), chosen from the system's languages de-AT, de".
QString description();

} // namespace language
