#pragma once

#include "reader_model.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Virtual readers plugged in and pulled out from outside the process: a directory with one
// file per attached reader, so that a test, a shell script or a playbook can plug readers into
// a running program with `touch` and pull them out with `rm`.
//
//   hid-N     reader N of the hidapi stand-in (1 to 64) is attached on USB HID: listed,
//             /dev/virtual-hidrawN, serial number KLN2-<N in six digits>. Every program
//             linked to the stand-in with KEYLON2_VIRTUAL_PLUG_DIR=DIR follows DIR.
//   serial-N  reader N of `keylon2-virtual-reader --plug-dir DIR` is attached on its serial
//             interface; the program writes the pseudo-terminal it answers on into the file
//             (port=...), with the serial number and USB socket it gives the reader
//             (serialNumber=KLN2-1<N in five digits>, usbPort=2-1.N: never a USB HID
//             reader's). keylon2ctl-demo lists these ports as readers, with that identity.
//
// A hid-N file may name the reader's serial number (serialNumber=...): the reader then goes by
// it, as a reader that a firmware writer brought back under another node keeps its own.
//
// A file's content is what that reader keeps (its saved settings, interface and version, as
// "key=value" lines; an empty file is a reader in factory state). It is read when the file
// appears and written back by the program that hosts the reader after every frame that
// changes something, so the next program to meet the reader finds it as it was left. Removing
// the file is pulling the reader out: its open handles fail as with a pulled cable, and a
// new file is another reader. To pull a reader out and plug the same one in again, move its
// file away and back (names other than hid-N and serial-N are ignored). Write a file that
// holds settings elsewhere and move it in, so that it never appears half written. A change
// shows at the program's next look at the directory (the stand-in looks before every listing,
// open, read and write): a file removed and made again between two looks is not a replug.
namespace VirtualReader::PlugDir {

// One attached reader's file.
struct ReaderFile
{
    Model::Stored stored;
    bool failWrites = false;  // every write to it fails (on the serial line the bytes are lost)
    int writeFrames = 0;      // frames that set, save or switch something, over its life
    QString port;             // serial: the port it answers on, while its program runs
    QString serialNumber;     // serial: its USB serial number, as the program gives it
    QString usbPort;          // serial: the USB socket it sits in (2-1.N), as the program gives it
    bool loader = false;      // loader-N: the reader waits in its loader
};
ReaderFile parse(const QByteArray &text);
QByteArray format(const ReaderFile &file);

QString filePath(const QString &dir, const QString &kind, int number);  // kind "hid", "serial"
// The numbers N of the files "<kind>-N" in dir, in order.
QList<int> scan(const QString &dir, const QString &kind);
// Replaces the file's content in one step, only while the file is there: false when it is
// not (the reader was pulled out meanwhile, and must not come back by this write).
bool replaceIfPresent(const QString &path, const QByteArray &content);
// A frame that sets, saves or switches something, as opposed to a read request.
bool isWriteFrame(const QByteArray &frame);

// ---- the hidapi stand-in's readers ----
// Makes readers 1 to 64 follow dir from now on (the stand-in calls it with
// KEYLON2_VIRTUAL_PLUG_DIR on first use; tests call it directly): every reader without a file
// is pulled out, every reader with one starts from its content. An empty dir stops following
// and leaves the readers as they are.
void followUsbHid(const QString &dir);
QString usbHidDirectory();
// Brings the readers in line with the directory: a file that appeared plugs its reader in,
// one that went pulls it out. The stand-in calls it before every listing and open.
void syncUsbHid();
// Before a read or write on reader `number`'s handle: pulls it out at once when its file went.
void checkUsbHidReader(int number);
// Whether reader `number`'s file has no permission bits at all (mode 000): the stand-in then
// refuses to open it, permission denied, as a node is refused before udev gives it its group
// and mode. chmod gives the rights (an attribute change, not a replug).
bool usbHidNodeClosed(int number);
// A write reached the reader: counts a write frame and stores what the reader keeps now.
void noteUsbHidWrite(const Model &model, const QByteArray &frame);

// ---- the loader: a reader in ISP mode and the firmware writer ----
// A reader that takes the ISP frame leaves its node for its loader, where it stays until a
// firmware writer is done with it. The loader hands it over through files, so that a writer in
// another process (the stand-in writer flashmate, tools/demo) can reach a reader that lives in
// this one:
//   loader-N   written when reader N enters its loader: what it keeps, in a plug file's
//              format, with its serialNumber.
//   restart-N  written by the writer: what reader N keeps from now on (version, settings,
//              interface, and serialNumber when another reader is to come back in its place).
//              At its next look (before every listing and open) the program that hosts the
//              reader takes both files away and the reader starts up from it, on its node again.
// A writer that leaves the files alone leaves the reader in its loader for good. The loader
// directory is the plug directory when the program follows one (there the writer may as well
// move the reader to another node: remove hid-N, write hid-M with its serialNumber), else a
// folder of the program's own under the temporary directory. Every program linked to the
// stand-in names it to the programs it starts (its firmware writer) in
// KEYLON2_VIRTUAL_LOADER_DIR, and removes its own folder at exit.
void setLoaderDirectory(const QString &dir);
QString loaderDirectory();
// After a frame reached reader `model`: when it is in its loader now, writes loader-N.
void noteLoader(const Model &model);

// ---- serial readers announced by keylon2-virtual-reader ----
struct SerialPort
{
    int number = 0;
    QString port;
    QString serialNumber;
    QString usbPort;
};
// The readers of dir whose file names a port that exists.
QList<SerialPort> serialPorts(const QString &dir);

// The node of the reader whose file in dir is `name`, as a listing gives it: hid-N is
// /dev/virtual-hidrawN, serial-N the port its file named when serialPorts() last read it.
// Empty for any other name, or a serial reader not listed yet. A watcher marks that node as
// gone when the file is removed, so that a reader pulled out and plugged in again between two
// listings still counts as a new plug.
QString nodeOfFile(const QString &dir, const QString &name);

}  // namespace VirtualReader::PlugDir
