#include <QtTest>

#include "core/settings/settings_table.h"
#include "core/text/name_tables.h"

using Settings::Kind;

namespace {

// What the table's checks make of a file's text for a key: the value taken, or why not.
QString verdict(const Settings::Setting &row, const QString &text)
{
    if (row.kind == Kind::Affix) {
        const int open = Settings::unclosedBracket(text);
        return open < 0 ? QStringLiteral("taken") : QStringLiteral("unclosed at %1").arg(open);
    }
    const std::optional<int> value =
        row.kind == Kind::Switch ? Settings::switchValue(text) : Settings::numberValue(text);
    if (!value)
        return QStringLiteral("no value");
    return row.holds(*value) ? QString::number(*value) : QStringLiteral("out of range");
}

}  // namespace

class SettingsTableTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldTakeOnlyWhatEachKeyHolds_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString lastCountry = QString::number(CountryNames.size() - 1);
        const QString pastCountries = QString::number(CountryNames.size());
        const struct {
            const char *name, *key;
            QString text, expected;
        } rows[] = {
            {"switch in capitals", "Buzzer", "TRUE", "1"},
            {"switch false", "PreEnable", "false", "0"},
            {"switch 2", "Buzzer", "2", "no value"},
            {"switch yes", "Buzzer", "yes", "no value"},
            {"number lowest", "OutputStart", "-128", "-128"},
            {"number highest", "OutputLength", "127", "127"},
            {"number past the byte", "OutputStart", "128", "out of range"},
            {"number below the byte", "OutputStart", "-129", "out of range"},
            {"number in hexadecimal", "OutputStart", "0x10", "no value"},
            {"number with a comment", "OutputLength", "5 # five", "no value"},
            {"last country", "KBCountry", lastCountry, lastCountry},
            {"country past the list", "KBCountry", pastCountries, "out of range"},
            {"country -1", "KBCountry", "-1", "out of range"},
            {"affix with names", "Pre", "[CR]AB[0x5B]", "taken"},
            {"affix name never closed", "Remove", "AB[CR", "unclosed at 2"},
            {"affix closed before it opens", "Post", "A]B[", "unclosed at 3"},
            {"affix name left open before the next", "Pre", "[0x5BAB[CR][LF]", "unclosed at 0"},
            {"affix open after closed names", "Pre", "[CR]A[B[LF]", "unclosed at 5"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.key << row.text << row.expected;
    }
    void shouldTakeOnlyWhatEachKeyHolds()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const Settings::Setting *row = Settings::named(key);
        QVERIFY(row);
        QCOMPARE(verdict(*row, text), expected);
    }
};

QTEST_GUILESS_MAIN(SettingsTableTest)
#include "tst_settings_table.moc"
