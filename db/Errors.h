#pragma once
// The program's error kinds. Handlers never catch these themselves: the one
// guard around every handler shows them in the general error box.
#include <QString>
#include <exception>
#include <string>

class EJxcError : public std::exception {
public:
    explicit EJxcError(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

// A text that is not a number where a number is needed.
class EConvertError : public EJxcError {
public:
    using EJxcError::EJxcError;
};

// Anything the store refuses: a missing file, a bad statement, a lost update.
class EDatabaseError : public EJxcError {
public:
    using EJxcError::EJxcError;
};

// A file the program writes could not be written: no room, no permission, no folder.
class EInOutError : public EJxcError {
public:
    using EJxcError::EJxcError;
};
