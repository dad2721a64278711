@echo off
rem orient-s: does what "orient s" does, for system.txt files of one tip row
rem per line: a double-click cannot pass an argument. orient.bat must stand
rem beside this file.
setlocal DisableDelayedExpansion
set "ORIENT_BATCH_FILE=%~f0"
rem %% makes call expand the path itself, once: a second expansion of the
rem expanded path would break on %% in a folder name.
call "%%~dp0orient.bat" s
