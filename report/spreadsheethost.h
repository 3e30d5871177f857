#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <stdexcept>

namespace torvane::report {

// A failing call of the spreadsheet application: the calling handler stops
// there and the message reaches the user.
class HostError : public std::runtime_error
{
public:
    enum class Kind {
        Other,
        Save,         // a workbook could not be written: path and the system's reason
        OpenMissing,  // a file to show does not exist or cannot be read
        OpenNoViewer, // the desktop found no program to show it
    };
    explicit HostError(const QString &message) : std::runtime_error(message.toStdString()) {}
    HostError(Kind kind, const QString &path, const QString &reason, const QString &message)
        : std::runtime_error(message.toStdString()), m_kind(kind), m_path(path), m_reason(reason)
    {
    }
    Kind kind() const { return m_kind; }
    QString path() const { return m_path; }
    QString reason() const { return m_reason; }

private:
    Kind m_kind = Kind::Other;
    QString m_path;
    QString m_reason;
};

// The automation object model the program relies on, and nothing more: an
// application with its workbooks, a sheet with cells and ranges. The built-in
// backend keeps workbooks in memory and writes them itself; a backend that
// talks to an automation server could stand behind the same interface.
class HostFont
{
public:
    virtual ~HostFont() = default;
    virtual void setBold(bool bold) = 0;
};

class HostBorders
{
public:
    virtual ~HostBorders() = default;
    virtual void setLineStyle(int style) = 0; // kLineContinuous, hostconstants.h
};

class HostRange
{
public:
    virtual ~HostRange() = default;
    virtual void Merge() = 0;
    virtual HostFont &Font() = 0;
    virtual void setHorizontalAlignment(int alignment) = 0; // kAlignCentre, hostconstants.h
    virtual void setVerticalAlignment(int alignment) = 0;   // kAlignMiddle
    virtual void setColumnWidth(int width) = 0;             // in characters
    virtual void setWrapText(bool wrap) = 0;
    virtual HostBorders &Borders() = 0;
};

class HostWorksheet
{
public:
    virtual ~HostWorksheet() = default;
    virtual void setName(const QString &name) = 0;
    // Writes a text into the cell at 1-based row and column.
    virtual void Cells(int row, int column, const QString &value) = 0;
    // A range by address such as "b5:f9" (letters in either case).
    virtual std::unique_ptr<HostRange> Range(const QString &address) = 0;
};

class HostWorkbook
{
public:
    virtual ~HostWorkbook() = default;
    virtual HostWorksheet &WorkSheets(int index) = 0; // 1-based
    virtual HostWorksheet &addWorkSheet() = 0;        // a new sheet after the last one
    virtual void SaveAs(const QString &path) = 0;
};

class HostWorkbooks
{
public:
    virtual ~HostWorkbooks() = default;
    virtual HostWorkbook &Add() = 0;            // a new empty workbook, which becomes the active one
    virtual HostWorkbook &Item(int index) = 0;  // 1-based
    virtual void Open(const QString &path) = 0;
};

class SpreadsheetApplication
{
public:
    virtual ~SpreadsheetApplication() = default;
    virtual void setVisible(bool visible) = 0;
    virtual HostWorkbooks &WorkBooks() = 0;
    virtual void setDisplayAlerts(bool alerts) = 0;
    virtual HostWorkbook &ActiveWorkBook() = 0;
    virtual void Quit() = 0;
};

// Where applications come from.
class SpreadsheetHost
{
public:
    using Factory = std::function<std::unique_ptr<SpreadsheetApplication>(const QString &progId)>;
    using Opener = std::function<bool(const QString &path)>;

    // A new application of a programmatic identifier; throws HostError for an unknown one.
    static std::unique_ptr<SpreadsheetApplication> create(const QString &progId);

    // Shows a saved file to the user in the desktop's spreadsheet program.
    static bool open(const QString &path);

    static void setFactoryForTesting(Factory factory); // empty restores the built-in backend
    static void setOpenerForTesting(Opener opener);    // empty restores the desktop's opener
};

} // namespace torvane::report
