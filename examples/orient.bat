@echo off
rem orient [s]: converts system.txt in this folder into genordet.txt, then
rem shows what sysorient-check found in it. s: system.txt holds one tip row
rem per line. Exit status 0, or 1 on any failure; the report does not change
rem it. Double-clicked, it works in its own folder (a network share too) and
rem waits for a key before its window closes.
rem
rem Paths are used only where cmd expands them once, inside quotes, with
rem delayed expansion off: a folder name may hold & ( ) ! %% = and spaces.
setlocal DisableDelayedExpansion
set "status=1"

rem Explorer runs a double-clicked file as cmd /c ""<its full path>" ". The
rem command line is ORIENT_COMMAND_LINE if that is set (the tests set it),
rem else the one that started cmd. Its quotes become / (no path holds one),
rem so that cmd never reads the path as code: each line expands it inside
rem quotes only. orient-s.bat gives its own name in ORIENT_BATCH_NAME.
if not defined ORIENT_BATCH_NAME set "ORIENT_BATCH_NAME=%~nx0"
set "started_by=%cmdcmdline:"=/%"
if defined ORIENT_COMMAND_LINE set "started_by=%ORIENT_COMMAND_LINE:"=/%"
rem Wine's cmd, whose command line is empty, gives "=/ here: no quote stays.
set "started_by=%started_by:"=/%"
set "double_clicked="
if not defined started_by goto decided
if not "%started_by:~-3%"=="/ /" goto decided
if /i "%started_by: /c //=%"=="%started_by%" goto decided
for %%s in ("%started_by:~0,-3%") do if /i "%%~nxs"=="%ORIENT_BATCH_NAME%" set "double_clicked=1"
:decided

rem Double-clicked on a network share, cmd starts in the Windows folder:
rem pushd goes to the batch file's folder, mapping a share to a drive.
if defined double_clicked pushd "%~dp0" 2>nul

if exist "system.txt" goto convert
echo orient: there is no system.txt in this folder
if exist "system.txt.txt" echo orient: there is a system.txt.txt: rename it to system.txt
goto end

:convert
call :run sysorient %1
rem sysorient ends with -1 on a failure, which "if errorlevel 1" never sees:
rem test for any status other than 0 instead. 9009: cmd found no program.
set "result=%ERRORLEVEL%"
if %result% equ 9009 goto no_program
rem The report says what genordet.txt holds, or why nothing was written.
call :run sysorient-check %1
if %ERRORLEVEL% equ 9009 goto no_check
if %result% neq 0 goto failed
set "status=0"
goto end

:no_program
echo orient: sysorient.exe not found: put it beside orient.bat
goto end

:no_check
echo orient: sysorient-check.exe not found: put it beside orient.bat
goto end

:failed
echo orient: sysorient failed with status %result%, genordet.txt not written

:end
if not defined double_clicked exit /b %status%
rem Waits only in the window Explorer opened. timeout fails when there is no
rem console to press a key on, and then nothing waits.
echo.
echo Press a key to close this window.
timeout /t 0 >nul 2>&1
if not errorlevel 1 pause >nul
popd
exit /b %status%

rem :run NAME [ARG]: runs NAME.exe from beside this file, or else NAME from
rem the PATH, and ends with its exit status.
:run
if exist "%~dp0%~1.exe" ("%~dp0%~1.exe" %2) else (%~1 %2)
exit /b %ERRORLEVEL%
