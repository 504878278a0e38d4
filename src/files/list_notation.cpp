#include "files/list_notation.h"

#include <cmath>
#include <utility>

#include "model/number_format.h"

namespace spanrix {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

constexpr std::string_view kTrue = "#TRUE#";
constexpr std::string_view kFalse = "#FALSE#";

}  // namespace

ListReader::ListReader(std::string text) : text_(std::move(text)) {}

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
        const char delimiter = text_[pos_++];
        if (delimiter == ',') {
            endedByComma_ = true;
        } else {
            if (delimiter == '\r' && pos_ < size && text_[pos_] == '\n') ++pos_;
            ++line_;
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

template <typename T, typename Convert>
void FieldReader::readAs(T& target, Convert convert)
{
    if (!ok_) return;
    const auto item = reader_.next();
    if (!item) {
        ok_ = false;
        return;
    }
    auto value = convert(*item);
    if (!value) {
        ok_ = false;
        return;
    }
    target = std::move(*value);
}

void FieldReader::read(double& target) { readAs(target, itemDouble); }
void FieldReader::read(MaybeNumber& target) { readAs(target, itemMaybeNumber); }
void FieldReader::read(float& target) { readAs(target, itemFloat); }
void FieldReader::readInt16(int& target) { readAs(target, itemInt16); }
void FieldReader::read(bool& target) { readAs(target, itemBool); }
void FieldReader::read(std::string& target) { readAs(target, itemString); }

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
