#pragma once

#include <QString>
#include <string>

namespace zirdan {

// Installs Qt's own translation of its standard dialogs and buttons (the catalogue
// qtbase_<code>) in the running application, in place of the one installed before. The
// catalogue is looked for in Qt's translations folder, then beside the program and in its
// "translations" folder (a copied install). Returns false when none was found; Qt's texts
// are then its built-in English ones.
bool InstallQtTranslation(const std::string& code);

// The folders InstallQtTranslation searches, in order.
QStringList QtTranslationFolders();

}  // namespace zirdan
