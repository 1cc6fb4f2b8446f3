#include "sourceedit/CSourceTextDoc.h"

#include "foundation/gmessageService.h"

const char* const sourceLongLineNotice = "The file contains a line which exceeds the maximum allowable length. "
                                         "This line (and all other long lines) will be wrapped onto following lines.";

CSourceTextDoc::CSourceTextDoc() = default;
CSourceTextDoc::~CSourceTextDoc() = default;

void CSourceTextDoc::deleteLines(int32_t first, int32_t count) { bookmarkCount -= lines_.deleteLines(first, count); }

void CSourceTextDoc::insertLine(int32_t line) { bookmarkCount -= lines_.insertLine(line); }

char* CSourceTextDoc::lockLineBuffer(int32_t line, int32_t minimumLength)
{
    return lines_.lock(line, minimumLength);
}

void CSourceTextDoc::releaseLineBuffer(int32_t line, int32_t newLength) { lines_.release(line, newLength); }

void CSourceTextDoc::setLineWord(int32_t line, uint16_t word) { lines_.setWord(line, word); }

int CSourceTextDoc::onLongLine()
{
    return messageService().messageBox(sourceLongLineNotice, gbuttons::okCancel, gicon::information, 0) == ganswer::ok;
}
