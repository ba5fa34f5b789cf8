#include <QtTest>

#include "core/protocol/frames.h"

class FramesTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldBuildReadAndKeyedFrames_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("status") << Frames::readFrame(CmdStatus) << QByteArray::fromHex("1b4200000000000d");
        QTest::newRow("get remove") << Frames::readFrame(CmdGetRemove) << QByteArray::fromHex("1b4228000000000d");
        QTest::newRow("save") << Frames::keyedFrame(CmdSave) << QByteArray::fromHex("1b428055aa55aa0d");
        QTest::newRow("isp") << Frames::keyedFrame(CmdIspMode) << QByteArray::fromHex("1b42ff55aa55aa0d");
        QTest::newRow("options") << Frames::writeFrame(CmdOptions, 0x3F) << QByteArray::fromHex("1b4202013f00000d");
        QTest::newRow("output") << Frames::writeFrame(CmdOutput, 0, 8) << QByteArray::fromHex("1b4210010008000d");
        QTest::newRow("empty affix") << Frames::affixFrame(CmdSetPre, {}) << QByteArray::fromHex("1b422100");
        QTest::newRow("affix") << Frames::affixFrame(CmdSetPre, QByteArray("\x02" "A", 2)) << QByteArray::fromHex("1b4221020241");
        QTest::newRow("other interface") << Frames::otherInterfaceAffixFrame(0, CmdSetPre, "AB")
                                         << QByteArray::fromHex("1b42300021024142");
    }
    void shouldBuildReadAndKeyedFrames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, expected);
        QCOMPARE(frame.toHex(' '), expected.toHex(' '));
    }

    void shouldPlaceFrameAndSequenceInReport()
    {
        const QByteArray report = Frames::hidReport(Frames::readFrame(CmdGetPost), 0x42);
        QCOMPARE(report.size(), 65);
        QCOMPARE(report.left(9), QByteArray::fromHex("001b4224000000000d"));
        QCOMPARE(quint8(report[49]), quint8(0x42));
        QCOMPARE(report.count(char(0)), 65 - 5);
    }

    void shouldCutAnAffixFrameToTheReport()
    {
        const QByteArray report = Frames::hidReport(Frames::affixFrame(CmdSetPre, QByteArray(70, 'A')));
        QCOMPARE(report.size(), 65);
        QCOMPARE(quint8(report[4]), quint8(70));
        QCOMPARE(report.mid(5), QByteArray(60, 'A'));
    }

    void shouldNeverAdvanceTheSequenceToZero()
    {
        quint8 sequence = 1;
        QCOMPARE(Frames::advanceSequence(sequence), quint8(2));
        for (int i = 2; i <= 254; ++i)  // the 254th advance
            Frames::advanceSequence(sequence);
        QCOMPARE(sequence, quint8(255));
        QCOMPARE(Frames::advanceSequence(sequence), quint8(1));
    }

    void shouldMatchTheComplementOfTheSequence()
    {
        QByteArray answer(64, char(0));
        answer[48] = char(0xFD);
        QVERIFY(Frames::answerMatches(answer, 2));
        QVERIFY(!Frames::answerMatches(answer, 3));
        answer[48] = char(0x00);
        QVERIFY(Frames::answerMatches(answer, 0xFF));
        QVERIFY(!Frames::answerMatches(QByteArray(10, char(0)), 0xFF));  // too short
    }

    void shouldCheckAffixAnswers_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("length");  // -1: dropped
        QByteArray pad(60, char(0));
        QTest::newRow("AB") << QByteArray::fromHex("02414285") + pad << 2;
        QTest::newRow("empty") << QByteArray::fromHex("0000") + pad << 0;
        QTest::newRow("bad checksum") << QByteArray::fromHex("02414286") + pad << -1;
        QByteArray thirtyTwo(1, char(32));
        thirtyTwo.append(QByteArray(32, 'A'));
        thirtyTwo.append(char(Frames::checksum(thirtyTwo)));
        QTest::newRow("32 codes") << thirtyTwo + pad << -1;
        QTest::newRow("count past the end") << QByteArray::fromHex("1e4142") << -1;
        QTest::newRow("nothing") << QByteArray() << -1;
    }
    void shouldCheckAffixAnswers()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, length);
        const auto result = Frames::affixAnswerLength(answer);
        QCOMPARE(result.has_value() ? *result : -1, length);
    }
};

QTEST_GUILESS_MAIN(FramesTest)
#include "tst_frames.moc"
