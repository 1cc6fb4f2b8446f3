#pragma once

class CObjectFile;

// Keyword lines whose value is a single keyword or a real number, which the
// records of many object kinds write.

// "KEYWORD<gap>VALUE-KEYWORD" on its own line.
void writeKeywordLine(CObjectFile& file, int indent, int keywordToken, int valueToken);
// "KEYWORD<gap>value" with the value as CObjectFile::writeReal puts it.
void writeRealLine(CObjectFile& file, int indent, int keywordToken, double value);
