@echo off
rem orient-s: does what "orient s" does, for system.txt files of one tip row
rem per line: a double-click cannot pass an argument. A file dropped on it
rem goes on to orient.bat in ORIENT_ARGUMENT, never as an argument of call,
rem whose second expansion would drop a % from its path. It runs the
rem orient.bat beside it, in the current folder (%% makes call expand the
rem path itself). When the current folder is its own, as when it is
rem double-clicked, it calls that orient.bat by its name alone: Wine's cmd
rem reads what an expansion gives once more and so drops a % from any
rem folder name it expands.
setlocal DisableDelayedExpansion
set "ORIENT_BATCH_NAME=%~nx0"
set "ORIENT_ARGUMENT=%~1"
set "own_folder=%~dp0"
set "current_folder=%CD%\"
if /i "%own_folder%"=="%current_folder%" (call orient.bat s) else call "%%~dp0orient.bat" s
