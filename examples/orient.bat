@echo off
rem orient [s] [file]: converts system.txt in this folder into genordet.txt,
rem then shows what sysorient-check found in it, in the user's language.
rem s: system.txt holds one tip row per line. A file dropped on this batch
rem file arrives as an argument, and a file is never the orientation: a
rem system.txt is converted in its own folder, any other file gets the
rem check's word that the file to convert must be named system.txt.
rem Exit status 0, or 1 on any failure; the report does not change it.
rem Double-clicked, or given a dropped file, it waits for a key (Windows' own
rem pause) before its window closes; double-clicked, it works in its own
rem folder (a network share too).
rem
rem It says nothing itself but that a program is missing, in German and in
rem English: sysorient-check says everything else. Paths are used only
rem inside quotes, with delayed expansion off: a folder name may hold
rem & ( ) ! %% = and spaces.
setlocal DisableDelayedExpansion
set "status=1"
set "orientation="
set "given="
set "pushed="
rem Each argument goes through a variable, never through call's second
rem expansion, which would drop a %% from a path: orient-s.bat gives its
rem own in ORIENT_ARGUMENT.
set "argument=%~1"
call :argument
set "argument=%~2"
call :argument
set "argument=%ORIENT_ARGUMENT%"
call :argument

rem Explorer runs a double-clicked file as cmd /c ""<its full path>" ", and
rem one with a file dropped on it with that file's path behind its own. The
rem command line is ORIENT_COMMAND_LINE if that is set (the tests set it),
rem else the one that started cmd. Its quotes become / (no path holds one),
rem so that cmd never reads the path as code: each line expands it inside
rem quotes only. orient-s.bat gives its own name in ORIENT_BATCH_NAME.
if not defined ORIENT_BATCH_NAME set "ORIENT_BATCH_NAME=%~nx0"
set "started_by=%cmdcmdline:"=/%"
if defined ORIENT_COMMAND_LINE set "started_by=%ORIENT_COMMAND_LINE:"=/%"
rem Wine's cmd, whose command line is empty, gives "=/ here: no quote stays.
set "started_by=%started_by:"=/%"
set "waits="
if not defined started_by goto decided
if /i "%started_by: /c //=%"=="%started_by%" goto decided
rem Explorer quotes a dropped file's path only when it holds a blank, and
rem cmd splits one that holds = ; , & or ^ but no blank: the path is taken
rem from the command line, after the first ".bat" and its closing quote.
set "dropped=%started_by:*.bat/ =%"
if "%dropped%"=="%started_by%" set "dropped="
if defined dropped set "dropped=%dropped:/=%"
if defined dropped set "given=%dropped%"
if defined given set "waits=1"
if not "%started_by:~-3%"=="/ /" goto decided
for %%s in ("%started_by:~0,-3%") do if /i "%%~nxs"=="%ORIENT_BATCH_NAME%" set "waits=1"
:decided

if defined given goto given_file
rem Double-clicked on a network share, cmd starts in the Windows folder:
rem pushd goes to the batch file's folder, mapping a share to a drive.
if defined waits pushd "%~dp0" 2>nul && set "pushed=1"
goto convert

:given_file
for %%f in ("%given%") do set "given_name=%%~nxf"
if not exist "%given%" goto other_file
if /i not "%given_name%"=="system.txt" goto other_file
for %%f in ("%given%") do pushd "%%~dpf" 2>nul && set "pushed=1"
if defined pushed goto convert

rem The check says that the file must be named system.txt, or that it is
rem not there.
:other_file
set "ORIENT_FILE=%given%"
call :run sysorient-check %orientation%
if %ERRORLEVEL% equ 9009 goto no_check
goto end

:convert
call :run sysorient %orientation%
rem sysorient ends with -1 on a failure, which "if errorlevel 1" never sees:
rem test for any status other than 0 instead. 9009: cmd found no program.
set "result=%ERRORLEVEL%"
if %result% equ 9009 goto no_program
rem The report says what genordet.txt holds, or why nothing was written.
call :run sysorient-check %orientation%
if %ERRORLEVEL% equ 9009 goto no_check
if %result% equ 0 set "status=0"
goto end

:no_program
echo orient: sysorient.exe fehlt, legen Sie es in den Ordner von orient.bat
echo orient: sysorient.exe not found, put it beside orient.bat
goto end

:no_check
echo orient: sysorient-check.exe fehlt, legen Sie es in den Ordner von orient.bat
echo orient: sysorient-check.exe not found, put it beside orient.bat

:end
if not defined waits goto leave
rem Waits only in a window with a console: pause reads a key from it, and
rem timeout fails where there is none (ORIENT_CONSOLE, for the tests, says
rem there is one where timeout cannot tell).
echo.
if defined ORIENT_CONSOLE goto pause
timeout /t 0 >nul 2>&1
if errorlevel 1 goto leave
:pause
pause
:leave
if defined pushed popd
exit /b %status%

rem :argument: the argument in %%argument%% is the file given to convert if
rem it has a folder or a drive in it (S:\Tipps\system.txt is never the s of
rem "orient s"), or names an existing file with an ending (.txt); the first
rem other one is the orientation.
:argument
if not defined argument exit /b 0
for %%a in ("%argument%") do set "argument_name=%%~nxa"
if /i not "%argument_name%"=="%argument%" goto file_argument
if not exist "%argument%" goto orientation_argument
for %%a in ("%argument%") do if not "%%~xa"=="" goto file_argument
:orientation_argument
if not defined orientation set "orientation=%argument%"
exit /b 0
:file_argument
for %%a in ("%argument%") do set "given=%%~fa"
exit /b 0

rem :run NAME [ARG]: runs NAME.exe from beside this file, or else NAME from
rem the PATH, and ends with its exit status.
:run
if exist "%~dp0%~1.exe" ("%~dp0%~1.exe" %2) else (%~1 %2)
exit /b %ERRORLEVEL%
