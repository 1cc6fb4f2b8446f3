#include "sourceedit/CSourceUndoReplaceAll.h"

#include "sourceedit/sourceLinePieces.h"

CSourceUndoReplaceAll::CSourceUndoReplaceAll(int32_t startColumn, int32_t startLine, int32_t stopColumn,
                                             int32_t stopLine, const gstrSlice& find, const gstrSlice& replace)
    : findText(untilZero(find)), replaceText(untilZero(replace)), replaceLength(replaceText.length()),
      stop{stopColumn, stopLine}
{
    params.pattern = findText.data();
    params.patternLength = findText.length();
    params.startColumn = startColumn;
    params.startLine = startLine;
}

int CSourceUndoReplaceAll::perform(CSourceDoc& document)
{
    document.error = CSourceDoc::errorNone;
    count = 0;
    savedModified = document.isModified();
    if (!records.empty()) {
        performAll(document, records);
        count = static_cast<int>(records.size());
        return 1;
    }
    CSourceFindParams search = params;
    search.backward = 0;
    CSourcePosition match;
    // The stop moves with the text of its line that each replacement shifts.
    CSourcePosition end = stop;
    // An empty text would match at the same place for ever.
    while (findText.length() > 0 && document.find(search, match)) {
        // Only a match that lies wholly before the stop is replaced.
        CSourcePosition matchEnd{match.column + findText.length(), match.line};
        if (end.column >= 0 && isBefore(end, matchEnd))
            break;
        auto record = std::make_unique<CSourceUndoInsert>(match.column, match.line, replaceText);
        record->setReplaceRange(matchEnd);
        if (!record->perform(document)) {
            undoAll(document, records);
            records.clear();
            return 0;
        }
        records.push_back(std::move(record));
        ++count;
        if (match.line == end.line)
            end.column += replaceLength - findText.length();
        if (!replaceAll)
            break;
        search.startColumn = match.column + replaceLength;
        search.startLine = match.line;
    }
    if (count == 0) {
        document.error = CSourceDoc::errorNotFound;
        return 0;
    }
    return 1;
}

void CSourceUndoReplaceAll::undo(CSourceDoc& document)
{
    undoAll(document, records);
    document.setModified(savedModified);
    CSourceHint hint;
    hint.flags = CSourceHint::redrawLines;
    hint.firstLine = 0;
    hint.lastLine = document.lastLine();
    document.notify(hint);
}
