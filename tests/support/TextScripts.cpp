#include "support/TextScripts.h"

#include <QRegularExpression>

#include <algorithm>
#include <set>

namespace {

enum class Script { latin, cyrillic, arabic, han, kana, hangul, cjkPunctuation, none };

Script scriptOf(char32_t c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7))
        return Script::latin;
    if (c >= 0x400 && c <= 0x4FF)
        return Script::cyrillic;
    if ((c >= 0x600 && c <= 0x6FF) || (c >= 0xFB50 && c <= 0xFEFF))
        return Script::arabic;
    if ((c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF))
        return Script::han;
    if (c >= 0x3040 && c <= 0x30FF)
        return Script::kana;
    if ((c >= 0xAC00 && c <= 0xD7AF) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F))
        return Script::hangul;
    if ((c >= 0x3000 && c <= 0x303F) || (c >= 0xFF00 && c <= 0xFFEF))
        return Script::cjkPunctuation;
    return Script::none;
}

// Latin words a Chinese, Japanese, Korean, Russian or Arabic text may carry as they are. Kept
// short on purpose: every entry is a word a native text on a Linux desktop leaves in Latin.
const std::set<std::u32string> kLatinWordsKept{
    // the program, and the package formats and desktop pieces apps come from
    U"Quillmere", U"Flatpak", U"Snap", U"AppImage",
    // brands and program names in the catalogue's item names and the safety list
    U"Git", U"Google", U"Chrome", U"WeChat", U"Feishu", U"Lark", U"QQ", U"Music", U"WPS", U"Office", U"Sogou",
    U"Python", U"uv", U"Codex", U"Claude", U"OptGuide", U"Firefox", U"SQLite", U"freedesktop", U"pip", U"npm",
    // terms the description's own Chinese, Japanese and Korean texts use untranslated (its
    // Chinese text of the macOS-layout folders' rule names the system they come from)
    U"AI", U"SNS", U"Cookie", U"Cookies", U"Web", U"DB", U"MV", U"IDE", U"GPU", U"SHA", U"API", U"JS", U"Unix",
    U"macOS",
    // a Flatpak app's own folders, named as on disk
    U"config", U"data",
    // units
    U"B", U"KB", U"MB", U"GB", U"TB"};

// Han characters only Simplified Chinese writes: Japanese and Traditional Chinese write 這, 們,
// 発/發, 現, 実/實, … instead. One of them in a Japanese or Traditional Chinese text is Simplified
// Chinese left untranslated, which the script alone cannot tell.
const std::u32string kSimplifiedOnly =
    U"这们个发现实对为压缩档载删释设认项选类据库户网间务动态级无议该时长开关应统两边还过进运东见";

bool writesLatinAsLetters(AppLanguage language)
{
    using enum AppLanguage;
    return language == en || language == de || language == fr || language == es || language == pt || language == it;
}

bool allowed(Script script, AppLanguage language)
{
    using enum AppLanguage;
    switch (script) {
    case Script::latin:
        return writesLatinAsLetters(language);
    case Script::cyrillic:
        return language == ru;
    case Script::arabic:
        return language == ar;
    case Script::han:
    case Script::cjkPunctuation:
        return language == zhHans || language == zhHant || language == ja;
    case Script::kana:
        return language == ja;
    case Script::hangul:
        return language == ko;
    case Script::none:
        return true;
    }
    return false;
}

bool isPathOrFileName(const QString& token)
{
    if (token.contains(u'/'))
        return true; // ~/.cache/pip, /var/lib/flatpak
    // *.deb, .AppImage, model.sqlite, requirements.txt: a dot and a short extension at the end.
    const qsizetype dot = token.lastIndexOf(u'.');
    if (dot < 0 || dot == token.size() - 1 || token.size() - dot > 9)
        return false;
    for (qsizetype i = dot + 1; i < token.size(); ++i)
        if (!token[i].isLetterOrNumber() || token[i].unicode() > 0x7F)
            return false;
    return true;
}

// Runs of printable ASCII between spaces and other scripts' letters that name a path or a
// file are blanked: they are shown as they are on disk.
QString withoutPathsAndFileNames(QString text)
{
    qsizetype start = -1;
    const auto flush = [&](qsizetype end) {
        if (start < 0)
            return;
        QString token = text.mid(start, end - start);
        while (!token.isEmpty() && QStringLiteral(",;:!?)]}'\"").contains(token.back()))
            token.chop(1);
        if (isPathOrFileName(token))
            text.replace(start, token.size(), QString(token.size(), u' '));
        start = -1;
    };
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool pathChar = i < text.size() && text[i].unicode() > 0x20 && text[i].unicode() < 0x7F;
        if (pathChar && start < 0)
            start = i;
        else if (!pathChar)
            flush(i);
    }
    return text;
}

} // namespace

std::optional<QString> wrongScriptPart(const QString& text, AppLanguage language, const QStringList& names)
{
    QString rest = text;
    QStringList longestFirst = names;
    std::sort(longestFirst.begin(), longestFirst.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    // A name counts where it stands whole: "a" is a file's name, not a part of "data", nor
    // "Music" of "Musicothèque". Chinese and Japanese write no spaces, and Korean particles follow
    // a name without one, so a letter of those scripts ends a name.
    const auto partOfName = [&](qsizetype at) {
        return at >= 0 && at < rest.size() &&
               ((rest[at].unicode() < 0x250 && rest[at].isLetterOrNumber()) || rest[at] == u'_' || rest[at] == u'-');
    };
    for (const QString& name : longestFirst) {
        if (name.isEmpty())
            continue;
        for (qsizetype at = rest.indexOf(name); at >= 0; at = rest.indexOf(name, at + 1))
            if (!partOfName(at - 1) && !partOfName(at + name.size()))
                rest.replace(at, name.size(), QString(name.size(), u' '));
    }
    // `npm install`: a command, as it is typed.
    static const QRegularExpression command(QStringLiteral("`[^`]*`"));
    rest.replace(command, QStringLiteral(" "));
    const std::u32string chars = withoutPathsAndFileNames(rest).toStdU32String();
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const Script script = scriptOf(chars[i]);
        if (script == Script::han && (language == AppLanguage::ja || language == AppLanguage::zhHant) &&
            kSimplifiedOnly.find(chars[i]) != std::u32string::npos)
            return QString::fromStdU32String(chars.substr(i, 1));
        if (allowed(script, language))
            continue;
        if (script != Script::latin)
            return QString::fromStdU32String(chars.substr(i, 1));
        std::size_t end = i;
        while (end < chars.size() && scriptOf(chars[end]) == Script::latin)
            ++end;
        const std::u32string word = chars.substr(i, end - i);
        if (!kLatinWordsKept.contains(word))
            return QString::fromStdU32String(word);
        i = end - 1;
    }
    return std::nullopt;
}
