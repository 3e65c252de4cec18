#pragma once

#include <QStringList>

class Dialogs;
class Locations;
class QWidget;

// The desktop's lists of recently used documents, emptied on request.
namespace RecentDocuments {

// Deletes the files and links directly in the recent-documents folder, never a hidden one, a
// folder or what a link points at, and rewrites the shared list as a valid empty list (a missing
// list stays missing). Beeps once for each entry or list that stays, and returns a line for each
// list that stays and each reason why: its path and the reason.
QStringList clear(const Locations& locations, Dialogs& dialogs);
// Tells the user, in one message, what clear could not do; nothing when it did everything.
void report(const QStringList& failures, Dialogs& dialogs, QWidget* parent);

}  // namespace RecentDocuments
