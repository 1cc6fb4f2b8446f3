// Random edit sequences against a plain model (a vector of std::string), with
// undo and redo checked against the states the model went through.
#include "sourceTestDoc.h"

#include "sourceedit/CSourceColumnMap.h"
#include "sourceedit/CSourceUndoColumn.h"
#include "sourceedit/CSourceUndoRecord.h"
#include "sourceedit/CSourceUndoReplaceAll.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <sstream>

namespace {

using lines = std::vector<std::string>;
constexpr int32_t maxLength = 12;

std::vector<std::string> pieces(const std::string& text)
{
    std::vector<std::string> out(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out.emplace_back();
        } else {
            out.back() += text[i];
        }
    }
    return out;
}

void growTo(lines& m, int32_t line)
{
    while (static_cast<int32_t>(m.size()) <= line)
        m.emplace_back();
}

void insertAt(lines& m, CSourcePosition at, const std::string& text)
{
    growTo(m, at.line);
    std::string& first = m[size_t(at.line)];
    if (static_cast<int32_t>(first.size()) < at.column)
        first.resize(size_t(at.column), ' ');
    std::string tail = first.substr(size_t(at.column));
    first.resize(size_t(at.column));
    std::vector<std::string> p = pieces(text);
    m[size_t(at.line)] += p[0];
    for (size_t i = 1; i < p.size(); ++i)
        m.insert(m.begin() + at.line + static_cast<ptrdiff_t>(i), p[i]);
    m[size_t(at.line) + p.size() - 1] += tail;
}

void deleteRange(lines& m, CSourcePosition a, CSourcePosition b)
{
    if (a.line >= static_cast<int32_t>(m.size()) || a == b || isBefore(b, a))
        return;
    const std::string& first = m[size_t(a.line)];
    std::string joined = first.substr(0, std::min(first.size(), size_t(a.column)));
    auto from = m.begin() + a.line;
    auto to = m.end();
    if (b.line < static_cast<int32_t>(m.size())) {
        const std::string& last = m[size_t(b.line)];
        if (b.column > static_cast<int32_t>(last.size())) {
            if (b.line + 1 < static_cast<int32_t>(m.size()))
                joined += m[size_t(b.line) + 1];
            to = m.begin() + std::min<ptrdiff_t>(b.line + 2, static_cast<ptrdiff_t>(m.size()));
        } else {
            joined += last.substr(size_t(b.column));
            to = m.begin() + b.line + 1;
        }
    }
    m.insert(m.erase(from, to), joined);
}

bool fits(const lines& m)
{
    return std::all_of(m.begin(), m.end(), [](const std::string& l) { return l.size() <= size_t(maxLength); });
}

// An insertion record: pads a short line, deletes a replaced range, inserts.
bool insertRecord(lines& m, CSourcePosition at, const std::string& text, std::optional<CSourcePosition> replaceEnd)
{
    if (at.line < static_cast<int32_t>(m.size()) && static_cast<int32_t>(m[size_t(at.line)].size()) < at.column)
        m[size_t(at.line)].resize(size_t(at.column), ' ');
    if (replaceEnd)
        deleteRange(m, at, *replaceEnd);
    if (at.column >= maxLength)
        return false;
    insertAt(m, at, text);
    return fits(m);
}

bool typeRecord(lines& m, CSourcePosition at, char c, int overwrite)
{
    if (at.line >= static_cast<int32_t>(m.size()) || static_cast<int32_t>(m[size_t(at.line)].size()) < at.column)
        return insertRecord(m, at, std::string(1, c), {});
    std::string& line = m[size_t(at.line)];
    if (c == '\n')
        insertAt(m, at, "\n");
    else if (overwrite && at.column < static_cast<int32_t>(line.size()))
        line[size_t(at.column)] = c;
    else
        line.insert(size_t(at.column), 1, c);
    return fits(m);
}

std::string text(const lines& m)
{
    std::string out;
    for (size_t i = 0; i < m.size(); ++i)
        out += (i ? "\n" : "") + m[i];
    return out;
}

class sequence {
public:
    explicit sequence(unsigned seed) : random_(seed) { doc_.maxLineLength = maxLength; }

    void run(int steps)
    {
        states_.push_back(model_);
        for (int i = 0; i < steps; ++i) {
            if (pick(10) == 0)
                travel();
            else
                edit();
            checkDocument();
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    int32_t count() const { return static_cast<int32_t>(model_.size()); }
    int32_t length(int32_t line) const { return line < count() ? static_cast<int32_t>(model_[size_t(line)].size()) : 0; }

    std::string someText()
    {
        static const char* const alphabet[] = {"a", "b", " ", "\n", "\r\n", "\r", "ab"};
        std::string t;
        for (int n = pick(5); n > 0; --n)
            t += alphabet[pick(7)];
        return t;
    }
    CSourcePosition anywhere() // also past the last line for insertions
    {
        int32_t line = pick(count() + 1);
        return {pick(length(line) + 4), line};
    }
    CSourcePosition inside()
    {
        int32_t line = pick(count());
        return {pick(length(line) + 3), line};
    }
    std::pair<CSourcePosition, CSourcePosition> range()
    {
        CSourcePosition a = inside(), b = inside();
        return isBefore(b, a) ? std::pair{b, a} : std::pair{a, b};
    }

    void edit()
    {
        lines expected = model_;
        bool ok = false;
        std::unique_ptr<CSourceUndoRecord> record;
        std::string operation;
        auto pos = [](CSourcePosition p) {
            std::ostringstream out;
            out << '(' << p.column << ',' << p.line << ')';
            return out.str();
        };
        switch (pick(6)) {
        case 0: {
            CSourcePosition at = anywhere();
            char c = "ab \n"[pick(4)];
            int overwrite = pick(2);
            ok = typeRecord(expected, at, c, c == '\n' ? 0 : overwrite);
            record = std::make_unique<CSourceUndoChar>(at.column, at.line, c, overwrite);
            operation = "type " + std::string(1, c) + " at " + pos(at) + (overwrite ? " over" : "");
            break;
        }
        case 1: {
            CSourcePosition at = anywhere();
            std::string t = someText();
            auto insert = std::make_unique<CSourceUndoInsert>(at.column, at.line, gstrSlice(t.c_str()));
            std::optional<CSourcePosition> end;
            if (at.line < count() && pick(2)) {
                end = inside();
                if (isBefore(*end, at))
                    end = at;
                insert->setReplaceRange(*end);
            }
            ok = insertRecord(expected, at, t, end);
            operation = "insert [" + t + "] at " + pos(at) + (end ? " to " + pos(*end) : "");
            record = std::move(insert);
            break;
        }
        case 2: {
            auto [a, b] = range();
            deleteRange(expected, a, b);
            ok = fits(expected);
            record = std::make_unique<CSourceUndoDelete>(a.column, a.line, b.column, b.line);
            operation = "delete " + pos(a) + " to " + pos(b);
            break;
        }
        case 3: {
            std::string pattern = pick(2) ? "a" : "ab", replacement = pick(2) ? "bab" : "";
            int replaced = 0;
            for (std::string& line : expected) {
                for (size_t at = line.find(pattern); at != std::string::npos;
                     at = line.find(pattern, at + replacement.size())) {
                    line.replace(at, pattern.size(), replacement);
                    ++replaced;
                }
            }
            ok = replaced > 0 && fits(expected);
            record = std::make_unique<CSourceUndoReplaceAll>(0, 0, -1, -1, gstrSlice(pattern.c_str()),
                                                             gstrSlice(replacement.c_str()));
            operation = "replace all " + pattern + " by " + replacement;
            break;
        }
        case 4: {
            CSourcePosition at = anywhere();
            std::string t = someText();
            std::vector<std::string> p = pieces(t);
            if (p.size() > 1 && p.back().empty())
                p.pop_back();
            ok = true;
            for (size_t i = 0; i < p.size() && ok; ++i)
                ok = insertRecord(expected, {at.column, at.line + static_cast<int32_t>(i)}, p[i], {});
            record = std::make_unique<CSourceUndoColumnInsert>(&columns_, at.column, at.line, gstrSlice(t.c_str()));
            operation = "block insert [" + t + "] at " + pos(at);
            break;
        }
        default: {
            auto [a, b] = range();
            int32_t left = std::min(a.column, b.column), right = std::max(a.column, b.column);
            for (int32_t line = b.line; line >= a.line; --line) {
                std::string& l = expected[size_t(line)];
                if (static_cast<int32_t>(l.size()) > left)
                    l.erase(size_t(left), size_t(std::min<int32_t>(right, static_cast<int32_t>(l.size())) - left));
            }
            ok = true;
            record = std::make_unique<CSourceUndoColumnDelete>(&columns_, a.column, a.line, b.column, b.line);
            operation = "block delete " + pos(a) + " to " + pos(b);
            break;
        }
        }
        ASSERT_EQ(doc_.execute(std::move(record)) != 0, ok) << operation << " on\n" << text(model_);
        lastEdit_ = operation + " on\n" + text(model_);
        history_ += (ok ? "" : "refused ") + lastEdit_ + "\n--\n";
        if (history_.size() > 600)
            history_.erase(0, history_.size() - 600);
        if (!ok)
            return;
        model_ = expected;
        states_.resize(size_t(position_) + 1);
        states_.push_back(model_);
        position_ = static_cast<int>(states_.size()) - 1;
        trimToUndoLimit();
        if (pick(8) == 0)
            doc_.toggleBookmark(pick(count()));
    }

    // Back by some commands and forward by some, checking every state passed.
    void travel()
    {
        for (int n = pick(6); n > 0 && doc_.canUndo(); --n) {
            doc_.undo();
            model_ = states_[size_t(--position_)];
            history_ += "undo\n";
            ASSERT_EQ(doc_.text(), text(model_)) << "undo after " << history_;
        }
        for (int n = pick(4); n > 0 && doc_.canRedo(); --n) {
            doc_.redo();
            model_ = states_[size_t(++position_)];
            history_ += "redo\n";
            ASSERT_EQ(doc_.text(), text(model_)) << "redo after " << history_;
        }
    }

    void trimToUndoLimit()
    {
        while (static_cast<int>(states_.size()) > doc_.undoCount() + 1) {
            states_.erase(states_.begin());
            --position_;
        }
    }

    void checkDocument()
    {
        ASSERT_EQ(doc_.text(), text(model_)) << lastEdit_;
        int bookmarks = 0;
        for (int32_t line = 0; line < doc_.getLineCount(); ++line) {
            ASSERT_LE(doc_.getLineLength(line), maxLength);
            bookmarks += doc_.isBookmarked(line);
        }
        ASSERT_EQ(doc_.bookmarkCount, bookmarks);
    }

    std::string lastEdit_;
    std::string history_;
    std::mt19937 random_;
    sourceTestDoc doc_;
    CSourceTabColumns columns_{doc_, 4};
    lines model_{""};
    std::vector<lines> states_;
    int position_ = 0;
};

TEST(sourceEditSequences, RandomEditsUndoAndRedoMatchAPlainModel)
{
    for (unsigned seed = 1; seed <= 600; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        sequence s(seed);
        s.run(400);
        if (testing::Test::HasFatalFailure())
            return;
    }
}

} // namespace
