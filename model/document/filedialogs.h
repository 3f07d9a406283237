#pragma once
// The open and save dialogs as an interface: the program shows Qt's file
// dialogs (platform/), a test answers from a script. Filters are written as
// description and pattern pairs separated by "|".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

struct FileDialogOptions {
    std::string fileName;           // initial text of the file-name field
    std::string filter;             // "Description|pattern|Description|pattern"
    int filterIndex = 1;            // the pair selected first, from 1
    std::string initialDir;         // empty: the platform's choice
    std::string title;              // empty: the platform's title
    std::string defaultExt;         // added to a typed name without extension
    bool fileMustExist = false;     // open: only an existing file is accepted
    bool overwritePrompt = false;   // save: confirm before replacing a file
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen full path; nothing when the user cancels or the dialog fails.
    virtual std::optional<std::string> ShowOpen(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> ShowSave(const FileDialogOptions& options) = 0;
};

// The text of `buffer` before its first NUL (all of it when it has none).
std::string TrimAtNull(std::string_view buffer);

// The n-th pair (from 1) of a NUL-separated filter list, as description, NUL,
// pattern; empty when the list has no such pair.
std::string FilterField(std::string_view filter, int n);

// A "|"-separated filter as a NUL-separated list ending in two NULs.
std::string nulSeparatedFilter(std::string_view filter);

struct FilterPair {
    std::string description;
    std::string pattern;  // one or more patterns separated by ";"
};

// The pairs of a "|"-separated filter, in order.
std::vector<FilterPair> filterPairs(std::string_view filter);

}  // namespace model
