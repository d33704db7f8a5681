#pragma once
// The program's own exception: an author code, a module code and an error number folded
// into the message as "MorvikError: AAA-MM-NNNN\rDescription: text" (hexadecimal, capital
// letters, zero padded, one carriage return). Also the author codes and the error texts of
// the diagram element and geometry units.

#include "ui/Exception.h"

#include <QString>

// Author codes.
constexpr int dcGA = 31;
constexpr int dcGB = 46;
constexpr int dcGC = 61;
constexpr int dcGD = 76;

// Module codes.
constexpr int emDiagram = 1;
constexpr int emGeometry = 2;
constexpr int emTreeStore = 99;
constexpr int emDocumentation = 100;

// The priority every raise in the program passes.
constexpr int epDefault = 100;

// Error texts of the diagram element (module 1) and geometry (module 2) units.
inline constexpr const char* gaEntryPointIsStillDefined = "Entry point is defined yet.";
inline constexpr const char* gaBadTypeOfEntryPoint = "Entry point have to be TEntryPoint type.";
inline constexpr const char* gaNoIntersectionExists = "No intersection exists.";
inline constexpr const char* gaHostIsNotDefined = "Host is not defined.";
inline constexpr const char* gaHostHasNotDefinedBase = "Host has defined no base.";
inline constexpr const char* gaHostHasNotDefinedTarget = "Host has defined no target.";
inline constexpr const char* gaAttributIndexOutOfBound = "Attribut index out of bound.";
inline constexpr const char* gaAttributAlreadyExists = "Attribut already exists.";
inline constexpr const char* gaLineIndexOutOfBound = "Line index out of bound.";
// Formatted with the relation's component name and the operation's name.
inline constexpr const char* gaBadNuberOfSelfRelation = "Line %s (%s): Bad number of SelfRelation.";

// Error numbers of the diagram element and geometry units.
constexpr int geEntryPointIsStillDefined = 1;
constexpr int geBadTypeOfEntryPoint = 2;
constexpr int geNoIntersectionExists = 3;
constexpr int geHostIsNotDefined = 4;
constexpr int geHostHasNotDefinedBase = 5;
constexpr int geHostHasNotDefinedTarget = 6;
constexpr int geAttributIndexOutOfBound = 7;
constexpr int geAttributAlreadyExists = 8;
constexpr int geLineIndexOutOfBound = 9;
constexpr int geBadNuberOfSelfRelation = 10;

class EMorvikError : public ui::Exception {
public:
  EMorvikError(int Author, int Number, int Module, const QString& Message, int Priority);

  int DeveloperCode() const { return FDeveloperCode; }
  int ErrorCode() const { return FErrorCode; }
  int ErrorType() const { return FErrorType; }
  int Priority() const { return FPriority; }

protected:
  // The completed message from the codes and the current message text.
  QString CompleteMessageString() const;

private:
  int FDeveloperCode;
  int FErrorCode;
  int FErrorType;
  int FPriority;
};

// Raises a module-1 or module-2 error of the diagram units (author dcGA, priority 100).
[[noreturn]] void RaiseDiagramError(int Number, int Module, const QString& Message);
