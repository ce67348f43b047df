#include "SqlScript.h"

#include <QRegularExpression>

namespace {

class Scanner
{
public:
    explicit Scanner(const QString &script) : m_text(script) { }

    QList<SqlScriptStatement> statements()
    {
        QList<SqlScriptStatement> result;
        while (skipBlanksAndComments()) {
            const qsizetype begin = m_pos;
            const int line = m_line;
            const qsizetype end = statementEnd();
            const QString text = m_text.sliced(begin, end - begin).trimmed();
            m_pos = qMin(end + m_terminator.size(), m_text.size());
            if (!changesTerminator(text) && !text.isEmpty())
                result.append({text, line});
        }
        return result;
    }

private:
    QChar at(qsizetype i) const { return i < m_text.size() ? m_text.at(i) : QChar(); }

    void advance(qsizetype count = 1)
    {
        for (; count > 0 && m_pos < m_text.size(); --count) {
            if (m_text.at(m_pos) == u'\n')
                ++m_line;
            ++m_pos;
        }
    }

    // Leaves m_pos on the first character of the next statement; false at
    // the end of the script.
    bool skipBlanksAndComments()
    {
        while (m_pos < m_text.size()) {
            if (at(m_pos).isSpace())
                advance();
            else if (!skipComment())
                return true;
        }
        return false;
    }

    bool skipComment()
    {
        if (at(m_pos) == u'/' && at(m_pos + 1) == u'*') {
            const qsizetype close = m_text.indexOf(QStringLiteral("*/"), m_pos + 2);
            advance(close < 0 ? m_text.size() - m_pos : close + 2 - m_pos);
            return true;
        }
        if (at(m_pos) == u'-' && at(m_pos + 1) == u'-') {
            const qsizetype close = m_text.indexOf(u'\n', m_pos);
            advance(close < 0 ? m_text.size() - m_pos : close - m_pos);
            return true;
        }
        return false;
    }

    // Where the statement that starts at m_pos ends (at its terminator, or
    // at the end of the script); m_pos and m_line move along.
    qsizetype statementEnd()
    {
        while (m_pos < m_text.size()) {
            const QChar c = at(m_pos);
            if (c == u'\'' || c == u'"') {
                advance();
                // A doubled quote is one quote inside the string or name.
                while (m_pos < m_text.size() && !(at(m_pos) == c && at(m_pos + 1) != c)) {
                    advance(at(m_pos) == c ? 2 : 1);
                }
                advance();
            } else if (skipComment()) {
            } else if (QStringView(m_text).sliced(m_pos).startsWith(m_terminator)) {
                return m_pos;
            } else {
                advance();
            }
        }
        return m_text.size();
    }

    // SET TERM <new> is isql's own command: it takes effect here.
    bool changesTerminator(const QString &statement)
    {
        static const QRegularExpression setTerm(QStringLiteral("^set\\s+term\\s+(\\S+)$"),
                                                QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = setTerm.match(statement);
        if (!match.hasMatch())
            return false;
        m_terminator = match.captured(1);
        return true;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    QString m_terminator = QStringLiteral(";");
};

} // namespace

QList<SqlScriptStatement> splitSqlScript(const QString &script)
{
    return Scanner(script).statements();
}
