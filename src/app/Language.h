#pragma once
// The player's language: picked from the locale's variables as gettext reads
// them, the program's catalogue and the toolkit's own installed for it.
#include <functional>
#include <string>
#include <vector>

namespace tandrel {

// The catalogue to use of those available ("de", "pt_BR", ...), or empty for
// English. LANGUAGE is a list tried in order, heeded unless the locale is C;
// then LC_ALL, LC_MESSAGES and LANG decide. A country's variant is taken where
// there is one, else the language's (any Portuguese reads "pt_BR").
std::string PickLanguage(const std::function<std::string(const char*)>& env, const std::vector<std::string>& available);

// The languages the program carries a catalogue for.
std::vector<std::string> CatalogueLanguages();

// Speaks language from here on ("" for English): the program's catalogue, the
// toolkit's own where installed, the rules' texts and the locale the handbook
// follows. False, and English, when the program carries no such catalogue.
bool UseLanguage(const std::string& language);

// Speaks the player's language, from the locale. Returns the language taken.
std::string InstallTranslations();

} // namespace tandrel
