@echo off
rem orient-s: does what "orient s" does, for system.txt files of one tip row
rem per line: a double-click cannot pass an argument. It runs the orient.bat
rem of the current folder, where a double-click starts it, or else the one
rem beside it (%% makes call expand that path once, itself).
setlocal DisableDelayedExpansion
set "ORIENT_BATCH_NAME=%~nx0"
if exist "orient.bat" (call orient.bat s) else call "%%~dp0orient.bat" s
