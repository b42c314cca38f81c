// SPDX-License-Identifier: MIT
#include "entry/EquationText.h"

#include "entry/FullWidth.h"

#include <cstdint>
#include <utility>

namespace zelmora {
namespace {

// One character of the folded text: its code point, where it stands in the folded bytes, and its
// position (from 1) among the characters of the typed text.
struct Character {
    char32_t Code = 0;
    std::size_t Offset = 0;
    std::size_t Length = 0;
    int Position = 0;
};

// The folded text is valid UTF-8: the folding wrote it.
std::vector<Character> charactersOf(std::string_view folded)
{
    std::vector<Character> characters;
    int position = 0;
    for (std::size_t k = 0; k < folded.size();) {
        const auto lead = static_cast<std::uint8_t>(folded[k]);
        std::size_t length = 1;
        char32_t code = lead;
        if (lead >= 0xF0)
            length = 4, code = lead & 0x07;
        else if (lead >= 0xE0)
            length = 3, code = lead & 0x0F;
        else if (lead >= 0xC0)
            length = 2, code = lead & 0x1F;
        for (std::size_t i = 1; i < length && k + i < folded.size(); ++i)
            code = (code << 6) | (static_cast<std::uint8_t>(folded[k + i]) & 0x3F);
        characters.push_back({code, k, length, ++position});
        k += length;
    }
    return characters;
}

bool isBlank(char32_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

EquationVariable variableOf(char32_t c)
{
    if (c == 'x' || c == 'X' || c == U'χ' || c == U'Χ')
        return EquationVariable::X;
    if (c == 'y' || c == 'Y')
        return EquationVariable::Y;
    return EquationVariable::None;
}

class Reader {
public:
    Reader(std::string_view original, std::string folded)
        : Original(original)
        , Folded(std::move(folded))
    {
        for (const Character& c : charactersOf(Folded)) {
            if (!isBlank(c.Code))
                Characters.push_back(c);
        }
    }

    std::variant<EquationTerms, EquationRefusal> read()
    {
        if (Characters.empty())
            return EquationRefusal{EquationFault::Empty, 0, {}};
        EquationTerms terms;
        if (!side(terms.Left))
            return *Refused;
        if (atEnd())
            return EquationRefusal{EquationFault::NoEquals, 0, {}};
        if (peek() != '=')
            return unreadable();
        ++Next;
        if (!side(terms.Right))
            return *Refused;
        if (!atEnd()) {
            if (peek() == '=')
                return refusal(EquationFault::ExtraEquals);
            if (!domain(terms))
                return *Refused;
        }
        return terms;
    }

private:
    bool atEnd() const { return Next >= Characters.size(); }
    char32_t peek() const { return atEnd() ? 0 : Characters[Next].Code; }
    int position() const
    {
        return atEnd() ? (Characters.empty() ? 1 : Characters.back().Position + 1) : Characters[Next].Position;
    }

    // The typed characters of the folded ones from index begin to end.
    std::string typed(std::size_t begin, std::size_t end) const
    {
        const std::size_t from = Characters[begin].Offset;
        const std::size_t to = Characters[end - 1].Offset + Characters[end - 1].Length;
        const std::size_t originalFrom = originalOffset(Original, Folded, from);
        return std::string(Original.substr(originalFrom, originalOffset(Original, Folded, to) - originalFrom));
    }

    EquationRefusal refusal(EquationFault fault)
    {
        if (atEnd())
            return EquationRefusal{EquationFault::MissingTerm, 0, {}};
        return EquationRefusal{fault, Characters[Next].Position, typed(Next, Next + 1)};
    }

    EquationRefusal unreadable() { return refusal(EquationFault::Unreadable); }

    bool fail(EquationRefusal refusal)
    {
        Refused = std::move(refusal);
        return false;
    }

    // Digits with at most one point, in the folded text; empty when none stands here.
    std::string number()
    {
        std::string text;
        bool point = false;
        while (!atEnd() && (isDigit(peek()) || (peek() == '.' && !point))) {
            point = point || peek() == '.';
            text += static_cast<char>(peek());
            ++Next;
        }
        // A point alone is no number: it stays to be named as the character that cannot be read.
        if (text == ".") {
            --Next;
            return {};
        }
        return text;
    }

    bool side(std::vector<EquationTerm>& terms)
    {
        while (true) {
            EquationTerm term;
            if (peek() == '+' || peek() == '-') {
                term.Negative = peek() == '-';
                ++Next;
            }
            if (!this->term(term))
                return false;
            terms.push_back(std::move(term));
            if (atEnd() || peek() == '=' || peek() == ',' || peek() == '(' || peek() == U'、')
                return true;
            if (peek() != '+' && peek() != '-')
                return fail(unreadable());
        }
    }

    bool term(EquationTerm& term)
    {
        if (atEnd() || peek() == '=')
            return fail(refusal(EquationFault::MissingTerm));
        term.Position = position();
        term.Numerator = number();
        if (!term.Numerator.empty() && peek() == '/') {
            ++Next;
            term.DenominatorPosition = position();
            term.Denominator = number();
            if (term.Denominator.empty())
                return fail(atEnd() ? refusal(EquationFault::MissingTerm) : unreadable());
        }
        term.Variable = variableOf(peek());
        if (term.Variable != EquationVariable::None)
            ++Next;
        else if (term.Numerator.empty())
            return fail(unreadable());
        return true;
    }

    // A sign and a decimal.
    bool bound(std::string& text)
    {
        bool negative = false;
        if (peek() == '+' || peek() == '-') {
            negative = peek() == '-';
            ++Next;
        }
        text = number();
        if (text.empty())
            return fail(atEnd() ? refusal(EquationFault::MissingTerm) : unreadable());
        if (negative)
            text.insert(text.begin(), '-');
        return true;
    }

    // "≦", "≤" or "<=", and "<" (full-width "＜" folds to it), which leaves the end out.
    bool atMost(bool& open)
    {
        if (peek() == U'≦' || peek() == U'≤') {
            ++Next;
            return true;
        }
        if (peek() == '<' && Next + 1 < Characters.size() && Characters[Next + 1].Code == '=') {
            Next += 2;
            return true;
        }
        if (peek() == '<') {
            ++Next;
            open = true;
            return true;
        }
        return fail(atEnd() ? refusal(EquationFault::MissingTerm) : unreadable());
    }

    bool domain(EquationTerms& terms)
    {
        const bool bracketed = peek() == '(';
        if (peek() != ',' && peek() != U'、' && !bracketed)
            return fail(unreadable());
        ++Next;
        EquationDomain domain;
        domain.Position = position();
        if (!bound(domain.Low) || !atMost(domain.LowOpen))
            return false;
        domain.VariablePosition = position();
        domain.Variable = variableOf(peek());
        if (domain.Variable == EquationVariable::None)
            return fail(atEnd() ? refusal(EquationFault::MissingTerm) : unreadable());
        ++Next;
        if (!atMost(domain.HighOpen) || !bound(domain.High))
            return false;
        if (bracketed) {
            if (peek() != ')')
                return fail(atEnd() ? refusal(EquationFault::MissingTerm) : unreadable());
            ++Next;
        }
        if (!atEnd())
            return fail(unreadable());
        terms.Domain = std::move(domain);
        return true;
    }

    std::string_view Original;
    std::string Folded;
    std::vector<Character> Characters;
    std::size_t Next = 0;
    std::optional<EquationRefusal> Refused;
};

void appendSide(std::string& text, const std::vector<EquationTerm>& terms)
{
    for (std::size_t k = 0; k < terms.size(); ++k) {
        const EquationTerm& term = terms[k];
        if (k > 0)
            text += term.Negative ? " - " : " + ";
        else if (term.Negative)
            text += "-";
        text += term.Numerator;
        if (!term.Denominator.empty())
            text += "/" + term.Denominator;
        if (term.Variable == EquationVariable::X)
            text += "χ";
        else if (term.Variable == EquationVariable::Y)
            text += "y";
    }
}

} // namespace

std::variant<EquationTerms, EquationRefusal> readEquationText(std::string_view text)
{
    return Reader(text, foldFullWidth(text)).read();
}

std::string equationFormText(const EquationTerms& terms)
{
    std::string text;
    appendSide(text, terms.Left);
    text += " = ";
    appendSide(text, terms.Right);
    return text;
}

} // namespace zelmora
