#pragma once

#include "store/CObjectFile.h"
#include "store/gkeyword.h"
#include "store/gstorable.h"
#include "store/storeTestSupport.h"

#include <string>

inline std::string portFixture(const std::string& name)
{
    return std::string(KORVEL_TEST_DATA_DIR) + "/ports/fixtures/" + name;
}

// Feeds keyword lines ("KEYWORD value", one per line) to an object as the
// loader does; the status of the last line.
inline gloadStatus feedLines(gstorable& object, const std::string& lines)
{
    gloadStatus status = gload::accepted;
    size_t start = 0;
    while (start < lines.size()) {
        size_t end = lines.find('\n', start);
        std::string line = lines.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? lines.size() : end + 1;
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos)
            continue;
        size_t blank = line.find_first_of(" \t", first);
        std::string word = line.substr(first, blank == std::string::npos ? std::string::npos : blank - first);
        size_t valueStart = blank == std::string::npos ? std::string::npos : line.find_first_not_of(" \t", blank);
        std::string rest = valueStart == std::string::npos ? "" : line.substr(valueStart);
        const gkeyword* keyword = keywordTable().find(gstrSlice(word.c_str()));
        if (!keyword)
            return gload::unknownKeyword;
        gstr value(rest.c_str());
        status = object.loadLine(keyword->getToken(), value);
        if (status != gload::accepted && status != gload::finished)
            return status;
    }
    return status;
}

// What the object writes as an embedded block at indentation 0.
inline std::string writtenBlock(const gstorable& object)
{
    tempFolder folder;
    std::string path = folder.path("block.txt");
    CObjectFile file;
    file.open(gstrSlice(path.c_str()), CObjectFile::modeWrite, false);
    object.writeEmbedded(file, 0);
    file.close();
    std::string bytes = fileBytes(path);
    std::string plain;
    for (char c : bytes) {
        if (c != '\r')
            plain += c;
    }
    return plain;
}
