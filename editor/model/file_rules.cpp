#include "file_rules.h"

#include "paths.h"
#include "scoped_config.h"
#include "screen_values.h"

namespace model {
namespace {

const char *const kReservedTitleText =
    "Error! You must choose another file name. The name you chose\nis already used by another Kavelin "
    "compatible game.\n\nPlease see the Kavelin SDK Documantation for more\ninformation on naming KCG "
    "files.";
const char *const kWrongExtensionText =
    "All Kavelin config files MUST end with \".kcg\"\n\nPlease rename the extention to \".kcg\"";
const char *const kQuorvaneFileText =
    "Error! You must choose another file name. The file you chose\nwas created by Quorvane and cannot be "
    "overwritten.\n\nPlease see the Kavelin SDK Documantation for more\ninformation on naming KCG files.";
const char *const kReplaceText = "Do you want to replace the existiing file?";
const char *const kOwnerNoteText =
    "Note:  The KCG file just opened was not\ncreated by this SDK KCG editor.\n\nTherefore, you must enter "
    "a new Game\nTitle and List of Executables. The next\ntime the file is saved, you must choose a\nnew "
    "file name.";

// Windows takes both separators; neither can be part of a file name.
size_t NameStart(const std::string &path) {
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

bool IsReservedTitle(const std::string &title, const TlStringList &reserved) {
    const std::string upper = UpperCase(title);
    for (int i = 0; i < reserved.count; ++i)
        if (reserved.items[i] && UpperCase(reserved.items[i]) == upper) return true;
    return false;
}

SaveAsCheck Refusal(const char *text, const char *caption) {
    return {SaveAsStep::kRefuse, {text, caption, MessageIcon::kError, MessageButtons::kOk}};
}

} // namespace

DocumentName UntitledName() {
    DocumentName name;
    name.folder = ".";
    name.fileName = kUntitledFileName;
    return name;
}

DocumentName NameOfPath(const std::string &path) {
    const size_t start = NameStart(path);
    DocumentName name;
    name.hasFileName = true;
    name.folder = path.substr(0, start);
    name.fileName = path.substr(start);
    return name;
}

std::string FileTitle(const std::string &path) {
    const std::string name = path.substr(NameStart(path));
    return name.substr(0, name.rfind('.'));
}

std::string FileExtension(const std::string &path) {
    const std::string name = path.substr(NameStart(path));
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

SaveAsCheck CheckSaveAsName(const std::string &path, const TlStringList &reservedTitles, bool internal) {
    if (IsReservedTitle(FileTitle(path), reservedTitles))
        return Refusal(kReservedTitleText, "File Name Incorrect");
    if (internal) return {};
    if (UpperCase(FileExtension(path)) != "KCG")
        return Refusal(kWrongExtensionText, "File Extention Incorrect");
    // A missing file and one that cannot be read are both accepted without a
    // question, so one read decides for both.
    ScopedConfig existing;
    if (TlReadConfigFile(&existing.get(), path.c_str()) != TL_READ_OK) return {};
    if (existing->owner == TL_OWNER_QUORVANE) return Refusal(kQuorvaneFileText, "Cannot Overwrite File");
    return {SaveAsStep::kAskReplace,
            {kReplaceText, "Overwrite file?", MessageIcon::kNone, MessageButtons::kYesNo}};
}

bool ReplaceAccepted(Answer answer) {
    return answer != Answer::kNo;
}

OpenedName NameOpenedFile(const std::string &path, bool internal) {
    OpenedName opened;
    opened.name = NameOfPath(path);
    if (internal) return opened;
    ScopedConfig stored;
    if (TlReadConfigFile(&stored.get(), path.c_str()) != TL_READ_OK) return opened;
    if (stored->owner != TL_OWNER_OEM) {
        opened.name = UntitledName();
        opened.showOwnerNote = true;
    }
    return opened;
}

Message OpenOwnerNote() {
    return {kOwnerNoteText, "", MessageIcon::kInformation, MessageButtons::kOk};
}

} // namespace model
