// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/access_letters.h"

#include <limits>
#include <map>
#include <vector>

namespace ferrovolt {

namespace {

constexpr std::size_t kCommand = std::numeric_limits<std::size_t>::max();

// Alt with a letter of the plain alphabet: what every keyboard layout types.
bool usable(QChar letter) {
    return letter.unicode() < 128 && letter.isLetter();
}

// The caption without its mark, and where in that text the marked letter stands (-1: none).
QString unmarked(const QString& caption, qsizetype& marked) {
    QString text;
    marked = -1;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != QLatin1Char('&') && marked < 0) marked = text.size();
        }
        text += caption[i];
    }
    return text;
}

// A text shown as it is: an ampersand doubled.
QString escaped(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

QChar accessLetter(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
        ++i;  // "&&" is an ampersand shown
    }
    return {};
}

namespace {

// The letters a caption could take, best first: the one it marks, those that start its words,
// then the rest of its letters.
QList<QChar> candidates(const QString& text, qsizetype own) {
    QList<QChar> letters;
    const auto add = [&letters, &text](qsizetype at) {
        const QChar letter = text[at].toLower();
        if (usable(letter) && !letters.contains(letter)) letters << letter;
    };
    if (own >= 0) add(own);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (i == 0 || !text[i - 1].isLetterOrNumber()) add(i);
    for (qsizetype i = 0; i < text.size(); ++i) add(i);
    return letters;
}

// Gives caption `c` a letter: its best free one, else one another caption gives up for its
// own next free choice (an augmenting path); false when no arrangement frees one. A command's
// letter and a letter its caption marks (`kept`) are never given up.
bool give(std::size_t c, const std::vector<QList<QChar>>& wanted, const std::vector<bool>& kept,
          std::map<QChar, std::size_t>& holder, std::vector<bool>& visited) {
    for (const QChar letter : wanted[c])
        if (!holder.contains(letter)) {
            holder[letter] = c;
            return true;
        }
    for (const QChar letter : wanted[c]) {
        const std::size_t held = holder.at(letter);
        const auto index = static_cast<std::size_t>(letter.unicode() - 'a');
        if (held == kCommand || kept[held] || visited[index]) continue;
        visited[index] = true;
        if (give(held, wanted, kept, holder, visited)) {
            holder[letter] = c;
            return true;
        }
    }
    return false;
}

}  // namespace

QStringList withAccessLetters(const QStringList& captions, const QList<QChar>& taken) {
    std::map<QChar, std::size_t> holder;  // each letter given, to a caption or a command
    for (const QChar letter : taken) holder[letter.toLower()] = kCommand;
    QStringList texts;
    std::vector<QList<QChar>> wanted;
    for (const QString& caption : captions) {
        qsizetype own = -1;
        texts << unmarked(caption, own);
        wanted.push_back(candidates(texts.back(), own));
    }
    // First each caption whose marked letter is free keeps it; then as many of the others as
    // the alphabet allows take a letter.
    std::vector<bool> lettered(wanted.size(), false);
    for (std::size_t c = 0; c < wanted.size(); ++c) {
        qsizetype own = -1;
        unmarked(captions[static_cast<qsizetype>(c)], own);
        const QChar letter = own >= 0 ? texts[static_cast<qsizetype>(c)][own].toLower() : QChar();
        if (own >= 0 && usable(letter) && !holder.contains(letter)) {
            holder[letter] = c;
            lettered[c] = true;
        }
    }
    for (std::size_t c = 0; c < wanted.size(); ++c) {
        if (lettered[c]) continue;
        std::vector<bool> visited(26, false);
        give(c, wanted, lettered, holder, visited);
    }
    std::vector<qsizetype> at(static_cast<std::size_t>(texts.size()), -1);
    for (const auto& [letter, owner] : holder) {
        if (owner == kCommand) continue;
        // Where it stands: the caption's own mark, else the first start of a word with it,
        // else its first place.
        const QString& text = texts[static_cast<qsizetype>(owner)];
        qsizetype& place = at[owner];
        qsizetype own = -1;
        unmarked(captions[static_cast<qsizetype>(owner)], own);
        if (own >= 0 && text[own].toLower() == letter) place = own;
        for (qsizetype i = 0; i < text.size() && place < 0; ++i)
            if (text[i].toLower() == letter && (i == 0 || !text[i - 1].isLetterOrNumber()))
                place = i;
        for (qsizetype i = 0; i < text.size() && place < 0; ++i)
            if (text[i].toLower() == letter) place = i;
    }
    QStringList marked;
    for (qsizetype c = 0; c < texts.size(); ++c) {
        const QString& text = texts[c];
        const qsizetype place = at[static_cast<std::size_t>(c)];
        marked << (place < 0
                       ? escaped(text)
                       : escaped(text.left(place)) + QLatin1Char('&') + escaped(text.mid(place)));
    }
    return marked;
}

}  // namespace ferrovolt
