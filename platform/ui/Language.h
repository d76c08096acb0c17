#pragma once

#include <QString>

// The language the program speaks: the first of the desktop's languages, as Qt reads
// them (the LANGUAGE list, else LC_ALL, LC_MESSAGES or LANG), for which the program
// has its texts, a region falling back to its language (pt_BR, then pt); English,
// the texts of the code, where none fits or where English comes first (en_GB:de).
// Qt's own texts (the standard buttons, the input box's) are loaded for that same
// language, never another one of the list, so a question and its buttons always
// speak one language.
namespace Language {

// Finds the language and loads its texts from ":/i18n/quorvel_<code>.qm", and Qt's
// own from qtbase_<code>.qm in Qt's translations folder; works before the application
// object stands too, for --help. Once, at the start.
void Load();

// Installs the texts loaded into the application; after Load, once it stands.
void Install();

// The code of the language found ("de", "pt_BR"), or the empty text for English.
QString Code();

// A text of the program in the language found, also before the application object
// stands; the text itself in English.
QString Translate(const char* context, const char* text);

// The name of a file beside the executable in the language found: for "Instructions"
// and ".rtf" "Instructions_de.rtf" where that file is in folder, else
// "Instructions.rtf".
QString LocalFileName(const QString& folder, const QString& base, const QString& extension);

} // namespace Language
