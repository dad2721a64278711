@echo off
rem orient-s: does what "orient s" does, for system.txt files of one tip row
rem per line: a double-click cannot pass an argument. It runs the orient.bat
rem beside it, in the current folder (%% makes call expand the path itself).
rem When the current folder is its own, as when it is double-clicked, it
rem calls orient.bat by its name alone: Wine's cmd reads what an expansion
rem gives once more and so drops a % from any folder name it expands.
setlocal DisableDelayedExpansion
set "ORIENT_BATCH_NAME=%~nx0"
set "own_folder=%~dp0"
set "current_folder=%CD%\"
if /i "%own_folder%"=="%current_folder%" (call orient.bat s) else call "%%~dp0orient.bat" s
