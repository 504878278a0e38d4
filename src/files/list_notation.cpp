#include "files/list_notation.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/number_format.h"

namespace spanrix {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

constexpr std::string_view kANumber = "a number";
constexpr std::string_view kTrue = "#TRUE#";
constexpr std::string_view kFalse = "#FALSE#";

}  // namespace

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

ListReader::ListReader(std::string text) : text_(std::move(text))
{
    if (std::string_view(text_).starts_with(kByteOrderMark)) pos_ = lineStart_ = kByteOrderMark.size();
}

std::string_view ListReader::lineText() const
{
    const std::size_t end = std::min(text_.find_first_of("\r\n", lineStart_), text_.size());
    return std::string_view(text_).substr(lineStart_, end - lineStart_);
}

void ListReader::skipToNextLine()
{
    const std::size_t end = text_.find_first_of("\r\n", pos_);
    pos_ = end == std::string::npos ? text_.size() : end;
    malformed_ = false;
    endedByComma_ = false;
    if (pos_ < text_.size()) endLine();
}

void ListReader::endLine()
{
    // At a line-end character: CR CR LF, CR LF, CR or LF.
    if (text_.compare(pos_, 3, "\r\r\n") == 0) {
        pos_ += 3;
    } else if (text_.compare(pos_, 2, "\r\n") == 0) {
        pos_ += 2;
    } else {
        ++pos_;
    }
    lineStart_ = pos_;
    ++line_;
}

bool ListReader::atEnd() const
{
    // "a," still holds an empty item after its comma.
    return malformed_ || (pos_ >= text_.size() && !endedByComma_);
}

std::optional<ListItem> ListReader::next()
{
    if (atEnd()) return std::nullopt;
    const std::size_t size = text_.size();
    ListItem item;
    item.line = line_;

    while (pos_ < size && isBlank(text_[pos_])) ++pos_;
    if (pos_ < size && text_[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        std::size_t close = start;
        while (close < size && text_[close] != '"' && !isLineEnd(text_[close])) ++close;
        if (close >= size || text_[close] != '"') {
            malformed_ = true;
            return std::nullopt;
        }
        item.text = text_.substr(start, close - start);
        item.quoted = true;
        pos_ = close + 1;
        while (pos_ < size && isBlank(text_[pos_])) ++pos_;
        if (pos_ < size && text_[pos_] != ',' && !isLineEnd(text_[pos_])) {
            malformed_ = true;
            return std::nullopt;
        }
    } else {
        const std::size_t start = pos_;
        while (pos_ < size && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
        std::size_t end = pos_;
        while (end > start && isBlank(text_[end - 1])) --end;
        item.text = text_.substr(start, end - start);
    }

    endedByComma_ = false;
    if (pos_ < size) {
        if (text_[pos_] == ',') {
            endedByComma_ = true;
            ++pos_;
        } else {
            endLine();
        }
    }
    return item;
}

std::optional<double> itemDouble(const ListItem& item)
{
    if (item.isEmpty()) return 0.0;
    if (item.quoted) return std::nullopt;
    return parseNumber(item.text);
}

std::optional<MaybeNumber> itemMaybeNumber(const ListItem& item)
{
    if (item.isEmpty()) return MaybeNumber{};
    const auto value = itemDouble(item);
    if (!value) return std::nullopt;
    return MaybeNumber(*value);
}

std::optional<float> itemFloat(const ListItem& item)
{
    const auto value = itemDouble(item);
    if (!value) return std::nullopt;
    const auto narrowed = static_cast<float>(*value);
    if (!std::isfinite(narrowed)) return std::nullopt;
    return narrowed;
}

std::optional<int> itemInt16(const ListItem& item)
{
    const auto value = itemDouble(item);
    if (!value) return std::nullopt;
    const auto whole = toInt16(*value);
    if (!whole) return std::nullopt;
    return int{*whole};
}

std::optional<bool> itemBool(const ListItem& item)
{
    if (item.isEmpty()) return false;
    if (item.quoted) return std::nullopt;
    if (item.text == kTrue) return true;
    if (item.text == kFalse) return false;
    return std::nullopt;
}

std::optional<std::string> itemString(const ListItem& item) { return item.text; }

std::string describe(const FieldFailure& failure)
{
    std::string text = "line " + std::to_string(failure.line) + ": ";
    switch (failure.kind) {
    case FieldFailure::Kind::EndOfText: return text + "the file ends early";
    case FieldFailure::Kind::Malformed: return text + "a quoted item is not closed properly";
    case FieldFailure::Kind::WrongKind:
        return text.append(1, '"').append(failure.text).append("\" is not ").append(failure.expected);
    case FieldFailure::Kind::Refused: return text + failure.text;
    }
    return text;
}

template <typename T, typename Convert>
void FieldReader::readAs(T& target, Convert convert, std::string_view expected)
{
    if (failure_) return;
    const int line = reader_.line();
    const auto item = reader_.next();
    if (!item) {
        const bool malformed = reader_.malformed();
        failure_ = FieldFailure{malformed ? FieldFailure::Kind::Malformed : FieldFailure::Kind::EndOfText,
                                malformed ? reader_.line() : line, {}, {}};
        return;
    }
    lastLine_ = item->line;
    auto value = convert(*item);
    if (!value) {
        failure_ = FieldFailure{FieldFailure::Kind::WrongKind, item->line, item->text,
                                std::string(expected)};
        return;
    }
    target = std::move(*value);
}

void FieldReader::fail(std::string reason)
{
    if (!failure_) failure_ = FieldFailure{FieldFailure::Kind::Refused, lastLine_, std::move(reason), {}};
}

void FieldReader::read(double& target) { readAs(target, itemDouble, kANumber); }
void FieldReader::read(MaybeNumber& target) { readAs(target, itemMaybeNumber, kANumber); }
void FieldReader::read(float& target)
{
    readAs(target, itemFloat, "a number within single precision");
}
void FieldReader::readInt16(int& target)
{
    readAs(target, itemInt16, "a whole number from -32768 to 32767");
}
void FieldReader::read(bool& target) { readAs(target, itemBool, "#TRUE# or #FALSE#"); }
void FieldReader::read(std::string& target) { readAs(target, itemString, ""); }

void FieldReader::skip()
{
    std::string scratch;
    read(scratch);
}

void ListWriter::separate()
{
    if (lineStarted_) out_ += ',';
    lineStarted_ = true;
}

void ListWriter::integer(int value)
{
    separate();
    out_ += std::to_string(value);
}

// A number reads back when the reader takes its text: not so for values that are not
// finite, nor for finite ones whose rounded text lies beyond the range (the largest double
// is written 1.79769313486232E+308).
void ListWriter::number(double value)
{
    const std::string text = numberText(value);
    readsBack_ = readsBack_ && itemDouble(ListItem{text}).has_value();
    separate();
    out_ += text;
}

void ListWriter::number(float value)
{
    const std::string text = numberText(value);
    readsBack_ = readsBack_ && itemFloat(ListItem{text}).has_value();
    separate();
    out_ += text;
}

void ListWriter::number(MaybeNumber value)
{
    if (value.isSet()) {
        number(static_cast<double>(value));
    } else {
        empty();
    }
}

void ListWriter::flag(bool value)
{
    separate();
    out_ += value ? kTrue : kFalse;
}

void ListWriter::text(std::string_view value)
{
    readsBack_ = readsBack_ && value.find_first_of("\"\r\n") == std::string_view::npos;
    separate();
    out_ += '"';
    out_ += value;
    out_ += '"';
}

void ListWriter::empty() { separate(); }

void ListWriter::endLine()
{
    out_ += "\r\n";
    lineStarted_ = false;
}

}  // namespace spanrix
