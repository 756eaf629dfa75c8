// Checks on single source fields that every dictionary kind shares: conversion from
// UTF-8 to the code page 949 bytes that are stored, the width of the stored field,
// characters a field may not hold, and the "@N@" references of translation templates.
// Each check reports its faults to diag, naming the field, and says whether it passed.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "tools/dexc/Diagnostics.h"

// Converts the field to code page 949 into *cp949. Reports a character that code page
// 949 cannot store (naming it and its code point) or a control character.
bool ConvertField(CDiagnostics& diag, const SourceLocation& where, const std::string& fieldName,
                  const std::string& utf8, std::string* cp949);

// Reports a stored text of `bytes` bytes that does not fit a field of `width` bytes,
// whose last byte is the terminator.
bool CheckWidth(CDiagnostics& diag, const SourceLocation& where, const std::string& fieldName,
                std::size_t bytes, std::size_t width);

// ConvertField, then CheckWidth of the converted text.
bool ConvertAndFit(CDiagnostics& diag, const SourceLocation& where, const std::string& fieldName,
                   const std::string& utf8, std::size_t width, std::string* cp949);

// Reports the character c (",", ";", "@", ...) when the field holds it; `why` ends the
// message ("which separates keys").
bool CheckNoChar(CDiagnostics& diag, const SourceLocation& where, const std::string& fieldName,
                 const std::string& text, char c, const std::string& why);

// Checks every reference "@N@" of a template against the number of items it may name
// (0 .. itemCount - 1). `itemsName` says what holds the items ("pattern", "key list").
// Reports a number out of range, a text between two "@" that is no number, and an
// "@" without its closing "@".
bool CheckReferences(CDiagnostics& diag, const SourceLocation& where, const std::string& text,
                     std::size_t itemCount, const std::string& itemsName);

// The items of a comma-separated source field, each trimmed of spaces and tabs.
std::vector<std::string> SplitItems(const std::string& field);
