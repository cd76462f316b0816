#ifndef PRODUCTPAGES_H
#define PRODUCTPAGES_H

#include <QString>

// Pages of the product web site, opened in the user's browser.
namespace ProductPages {

// The page at path ("/Feedback", "/Help", ...).
void open(const QString &path);
// The user centre, signed in with the current session.
void openUserCenter();

} // namespace ProductPages

#endif
