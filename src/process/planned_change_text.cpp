// A planned name change as the dry run prints it; kept apart from the rewrite,
// so that a program without a dry run does not carry the text conversion.
#include "process/process.h"

#include "common/system_text.h"

std::string OfficerNameChangeLine(const TOfficerNameChange& change) {
    return std::to_string(change.Index) + '\t' + SjisToReadableText(change.CurrentName) + '\t' +
           SjisToReadableText(change.NewName);
}
