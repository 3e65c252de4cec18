#pragma once

class Dialogs;
class Locations;

// The desktop's lists of recently used documents, emptied on request.
namespace RecentDocuments {

// Deletes the files and links directly in the recent-documents folder, never a hidden one, a
// folder or what a link points at, and rewrites the shared list as a valid empty list (a missing
// list stays missing). Beeps once for each entry or list that stays.
void clear(const Locations& locations, Dialogs& dialogs);

}  // namespace RecentDocuments
