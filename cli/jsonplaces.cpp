#include "cli/jsonplaces.h"

#include <cstring>

namespace {

class Scanner {
public:
    explicit Scanner(const QByteArray& json) : m_json(json) {}

    JsonLayout layout(const QString& arrayKey) {
        JsonLayout result;
        blanks();
        object(&result.top, &arrayKey, &result.elements);
        return result;
    }

    void advanceTo(qsizetype offset) {
        while (m_at < offset && m_at < m_json.size())
            advance();
    }
    JsonPlace place() const { return {m_line, m_column}; }

private:
    char peek() const { return m_at < m_json.size() ? m_json.at(m_at) : '\0'; }

    void advance() {
        const char c = peek();
        ++m_at;
        if (c == '\n') {
            ++m_line;
            m_column = 1;
        } else if ((quint8(c) & 0xC0) != 0x80) { // a UTF-8 continuation byte is no new character
            ++m_column;
        }
    }

    void blanks() {
        while (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')
            advance();
    }

    QString string() {
        QString text;
        QByteArray run;
        advance(); // the opening quote
        while (m_at < m_json.size() && peek() != '"') {
            if (peek() != '\\') {
                run += peek();
                advance();
                continue;
            }
            advance();
            const char e = peek();
            advance();
            text += QString::fromUtf8(run);
            run.clear();
            if (e == 'u') {
                const QByteArray hex = m_json.mid(m_at, 4);
                advanceTo(m_at + 4);
                text += QChar(char16_t(hex.toUShort(nullptr, 16)));
            } else {
                const char* from = "bfnrt";
                const char* to = "\b\f\n\r\t";
                const char* found = e ? std::strchr(from, e) : nullptr;
                text += QLatin1Char(found ? to[found - from] : e);
            }
        }
        advance(); // the closing quote
        return text + QString::fromUtf8(run);
    }

    void value(JsonMembers* members) {
        if (peek() == '"')
            string();
        else if (peek() == '{')
            object(members, nullptr, nullptr);
        else if (peek() == '[')
            array(nullptr);
        else
            while (m_at < m_json.size() && !std::strchr(",]} \t\r\n", peek()))
                advance();
    }

    void array(QList<JsonMembers>* elements) {
        advance();
        blanks();
        while (m_at < m_json.size() && peek() != ']') {
            JsonMembers element{place(), {}, {}, {}};
            value(elements ? &element : nullptr);
            if (elements)
                elements->append(element);
            blanks();
            if (peek() == ',')
                advance();
            blanks();
        }
        advance();
    }

    void object(JsonMembers* members, const QString* arrayKey, QList<JsonMembers>* elements) {
        if (members)
            members->at = place();
        advance();
        blanks();
        while (m_at < m_json.size() && peek() == '"') {
            const JsonPlace keyAt = place();
            const QString key = string();
            blanks();
            advance(); // the colon
            blanks();
            if (members && members->keys.contains(key))
                members->repeated.append({key, keyAt});
            else if (members) {
                members->keys.insert(key, keyAt);
                members->values.insert(key, place());
            }
            if (arrayKey && key == *arrayKey && peek() == '[')
                array(elements);
            else
                value(nullptr);
            blanks();
            if (peek() == ',')
                advance();
            blanks();
        }
        advance();
    }

    const QByteArray& m_json;
    qsizetype m_at = 0;
    int m_line = 1;
    int m_column = 1;
};

} // namespace

JsonLayout LocateJson(const QByteArray& json, const QString& arrayKey) {
    return Scanner(json).layout(arrayKey);
}

JsonPlace PlaceOfOffset(const QByteArray& json, qsizetype offset) {
    Scanner scanner(json);
    scanner.advanceTo(offset);
    return scanner.place();
}
