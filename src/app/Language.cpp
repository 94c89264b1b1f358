#include "app/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "engine/Texts.h"

namespace tandrel {

namespace {

// "de_AT.UTF-8@euro" as "de_AT".
std::string LocaleName(const std::string& value) { return value.substr(0, value.find_first_of(".@")); }

bool IsCLocale(const std::string& name) { return name.empty() || name == "C" || name == "POSIX"; }

// The catalogue for one locale name: "" for English, nullopt for none.
std::optional<std::string> Match(const std::string& name, const std::vector<std::string>& available)
{
    const std::string language = name.substr(0, name.find('_'));
    if (language.empty()) return std::nullopt;
    if (language == "en") return std::string();
    if (std::find(available.begin(), available.end(), name) != available.end()) return name;
    for (const std::string& a : available)
        if (a.substr(0, a.find('_')) == language) return a;
    return std::nullopt;
}

std::string FromCatalogue(const char* context, const char* source, int n)
{
    return QCoreApplication::translate(context, source, nullptr, n).toStdString();
}

} // namespace

std::string PickLanguage(const std::function<std::string(const char*)>& env, const std::vector<std::string>& available)
{
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = LocaleName(env(name)); !locale.empty()) break;
    if (IsCLocale(locale)) return {};
    const std::string list = env("LANGUAGE");
    for (std::size_t at = 0; at <= list.size();) {
        const std::size_t end = std::min(list.find(':', at), list.size());
        if (const auto found = Match(LocaleName(list.substr(at, end - at)), available)) return *found;
        at = end + 1;
    }
    return Match(locale, available).value_or(std::string());
}

std::vector<std::string> CatalogueLanguages()
{
    std::vector<std::string> languages;
    // No name filter: Qt matches one with a regular expression, and the start
    // would page in the expression library for it.
    for (const QString& file : QDir(":/i18n").entryList(QDir::Files))
        if (file.startsWith("tandrel_", Qt::CaseInsensitive) && file.endsWith(".qm", Qt::CaseInsensitive))
            languages.push_back(file.mid(8, file.size() - 11).toStdString()); // tandrel_<language>.qm
    return languages;
}

bool UseLanguage(const std::string& language)
{
    static QTranslator* own = nullptr;
    static QTranslator* toolkit = nullptr;
    for (QTranslator** t : {&own, &toolkit}) {
        if (*t) QCoreApplication::removeTranslator(*t);
        delete *t;
        *t = nullptr;
    }
    SetTextLookup(nullptr);
    // English keeps the player's country for what Qt formats, and the English handbook.
    QLocale::setDefault(language.empty() ? QLocale(QLocale::English, QLocale::system().territory())
                                         : QLocale(QString::fromStdString(language)));
    if (language.empty()) return true;
    own = new QTranslator;
    if (!own->load(QString(":/i18n/tandrel_%1.qm").arg(QString::fromStdString(language)))) {
        UseLanguage({});
        return false;
    }
    QCoreApplication::installTranslator(own);
    // The toolkit's own words (Yes, No, the colour dialog), where they are installed.
    toolkit = new QTranslator;
    const QString qtCatalogues = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (toolkit->load("qtbase_" + QString::fromStdString(language), qtCatalogues)) {
        QCoreApplication::installTranslator(toolkit);
    } else {
        delete toolkit;
        toolkit = nullptr;
    }
    SetTextLookup(FromCatalogue);
    return true;
}

std::string InstallTranslations()
{
    const auto env = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    const std::string language = PickLanguage(env, CatalogueLanguages());
    return UseLanguage(language) ? language : std::string();
}

} // namespace tandrel
