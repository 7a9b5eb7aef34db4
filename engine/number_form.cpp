// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_form.h"

#include <algorithm>

#include "ascii_text.h"
#include "read_number.h"

namespace zelvar {
namespace {

constexpr std::string_view kMinusSign = "\u2212";

// Walks a number in the user's form; each take() moves past what it matched.
class UserFormScanner {
public:
    UserFormScanner(std::string_view text, const NumberForm& form) : text_(text), form_(form) {}

    // The longest start of the text that is a number in the user's form.
    std::size_t longestNumber() {
        if (form_.decimalMark.empty())
            return 0;
        if (!take("+") && !take("-"))
            take(kMinusSign);
        const std::size_t leadStart = at_;
        const std::size_t lead = digits();
        std::size_t count = lead;
        std::size_t longest = lead > 0 ? at_ : 0;
        if (lead >= 1 && lead <= 3 && text_[leadStart] != '0') {
            // Each group is three digits that no further digit follows.
            for (std::size_t before = at_; takeGroupMark(); before = at_) {
                if (digits() != 3) {
                    at_ = before;
                    break;
                }
                count += 3;
                longest = at_;
            }
        }
        if (take(form_.decimalMark)) {
            count += digits();
            if (count > 0)
                longest = at_;
        }
        if (count == 0)
            return 0;
        if (longest == at_ && (take("E") || take("e"))) {
            if (!take("+") && !take("-"))
                take(kMinusSign);
            if (digits() > 0)
                longest = at_;
        }
        return longest;
    }

private:
    bool take(std::string_view what) {
        if (what.empty() || !text_.substr(at_).starts_with(what))
            return false;
        at_ += what.size();
        return true;
    }

    bool takeGroupMark() {
        return std::any_of(form_.groupMarks.begin(), form_.groupMarks.end(),
                           [this](const std::string& mark) { return take(mark); });
    }

    std::size_t digits() {
        const std::size_t from = at_;
        while (at_ < text_.size() && isAsciiDigit(text_[at_]))
            ++at_;
        return at_ - from;
    }

    std::string_view text_;
    const NumberForm& form_;
    std::size_t at_ = 0;
};

}  // namespace

std::size_t numberPrefixLength(std::string_view text, const NumberForm& form) {
    return std::max(UserFormScanner(text, form).longestNumber(), wholeNumberPrefix(text));
}

std::optional<std::string> inReaderForm(std::string_view text, const NumberForm& form) {
    text = trimmedBlanks(text);
    if (text.empty() || UserFormScanner(text, form).longestNumber() != text.size())
        return std::nullopt;
    std::string number;
    number.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (isAsciiDigit(text[at])) {  // most of any number
            number += text[at++];
            continue;
        }
        const std::string_view rest = text.substr(at);
        const auto group = std::find_if(form.groupMarks.begin(), form.groupMarks.end(),
                                        [rest](const std::string& mark) { return rest.starts_with(mark); });
        if (rest.starts_with(form.decimalMark)) {
            number += '.';
            at += form.decimalMark.size();
        } else if (rest.starts_with(kMinusSign)) {
            number += '-';
            at += kMinusSign.size();
        } else if (group != form.groupMarks.end()) {
            at += group->size();
        } else {
            number += text[at++];
        }
    }
    return number;
}

std::optional<std::string> readerText(std::string_view text, const NumberForm& form) {
    if (std::optional<std::string> rewritten = inReaderForm(text, form))
        return rewritten;
    text = trimmedBlanks(text);
    if (isWholeNumber(text))
        return std::string(text);
    return std::nullopt;
}

std::optional<double> readUserNumber(std::string_view text, const NumberForm& form) {
    const std::optional<std::string> number = readerText(text, form);
    return number ? std::optional(ReadNumber(*number)) : std::nullopt;
}

}  // namespace zelvar
