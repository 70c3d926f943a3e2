#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace {

const char source_language[] = "en";
const char program_prefix[] = "velmora_";
const char qt_prefix[] = "qtbase_";
const char qm_suffix[] = ".qm";

struct installed_language
{
    QString code = QLatin1String(source_language);
    QStringList wanted;
};

installed_language &installed()
{
    static installed_language language;
    return language;
}

QStringList translated_in(const QString &folder)
{
    const QString prefix = QLatin1String(program_prefix);
    const QString suffix = QLatin1String(qm_suffix);
    QStringList codes;
    for (const QString &file : QDir(folder).entryList({prefix + '*' + suffix}, QDir::Files))
        codes << file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
    return codes;
}

} // namespace

// The resource with the translations lives in a static library: the linker keeps it
// only when something names it. Outside any namespace, as Qt's macro needs.
static bool init_translations_resource()
{
    Q_INIT_RESOURCE(translations);
    return true;
}

namespace language {

QString choose(const QStringList &wanted, const QStringList &translated)
{
    for (QString language : wanted) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (;;) {
            if (language.compare(QLatin1String(source_language), Qt::CaseInsensitive) == 0)
                return QLatin1String(source_language);
            for (const QString &code : translated)
                if (language.compare(code, Qt::CaseInsensitive) == 0)
                    return code;
            const int cut = static_cast<int>(language.lastIndexOf(QLatin1Char('_')));
            if (cut < 0)
                break;
            language.truncate(cut);
        }
    }
    return QLatin1String(source_language);
}

QString install(const QStringList &wanted, const QString &folder)
{
    static const bool resource = init_translations_resource();
    Q_UNUSED(resource)
    static QTranslator program;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);

    const QString code = choose(wanted, translated_in(folder));
    installed() = {code, wanted};
    if (code == QLatin1String(source_language))
        return code;
    if (program.load(QLatin1String(program_prefix) + code, folder))
        QCoreApplication::installTranslator(&program);
    if (qt.load(QLatin1String(qt_prefix) + code, folder))
        QCoreApplication::installTranslator(&qt);
    return code;
}

QString description()
{
    const installed_language &language = installed();
    QString text = QLocale::languageToString(QLocale(language.code).language()) +
                   QLatin1String(" (") + language.code + QLatin1Char(')');
    if (!language.wanted.isEmpty())
        text += QLatin1String(", chosen from the system's languages ") +
                language.wanted.join(QLatin1String(", "));
    return text;
}

} // namespace language
