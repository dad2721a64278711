@echo off
rem orient-s: does what "orient s" does, for system.txt files of one tip row
rem per line: a double-click cannot pass an argument. A file dropped on it
rem goes on to orient.bat. It runs the orient.bat beside it, in the current
rem folder (%% makes call expand the path itself). When the current folder
rem is its own, as when it is double-clicked, it calls that orient.bat by
rem its name alone: Wine's cmd reads what an expansion gives once more and
rem so drops a % from any folder name it expands.
setlocal DisableDelayedExpansion
set "ORIENT_BATCH_NAME=%~nx0"
set "own_folder=%~dp0"
set "current_folder=%CD%\"
if /i "%own_folder%"=="%current_folder%" (call orient.bat s "%~1") else call "%%~dp0orient.bat" s "%~1"
