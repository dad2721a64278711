@echo off
rem orient [s]: converts system.txt in this folder into genordet.txt and says
rem what it wrote. s: system.txt holds one tip row per line.
rem Exit status 0, or 1 on any failure. Double-clicked, it waits for a key
rem before its window closes.
setlocal
set status=1
if exist system.txt goto convert
echo orient: there is no system.txt in this folder
if exist system.txt.txt echo orient: there is a system.txt.txt: rename it to system.txt
goto end

:convert
set program=sysorient
if exist "%~dp0sysorient.exe" set program="%~dp0sysorient.exe"
%program% %1
rem sysorient ends with -1 on a failure, which "if errorlevel 1" never sees:
rem test for any status other than 0 instead. 9009: cmd found no program.
set result=%ERRORLEVEL%
if %result% equ 9009 goto no_program
if %result% neq 0 goto failed

rem Every line of genordet.txt is one game, and they are all the same length:
rem "_", a digit per tip row, CR LF. A line may be longer than a variable can
rem hold, so the games are counted, not read: with the digits as delimiters
rem only the "_" is a token, and a line cut in pieces still counts once.
set games=0
for /f "usebackq delims=012" %%g in ("genordet.txt") do set /a games+=1
for %%f in (genordet.txt) do set size=%%~zf
if %games% equ 0 if %size% neq 0 goto written
set tip_rows=0
if %games% neq 0 set /a tip_rows=size / games - 3
set games_are=%games% games
if %games% equ 1 set games_are=1 game
set tip_rows_are=%tip_rows% tip rows
if %tip_rows% equ 1 set tip_rows_are=1 tip row
echo genordet.txt: %games_are%, %tip_rows_are%
set status=0
goto end

:written
rem A cmd whose for /f cannot read such long lines.
echo genordet.txt: %size% bytes
set status=0
goto end

:no_program
echo orient: sysorient.exe not found: put it beside orient.bat
goto end

:failed
echo orient: sysorient failed with status %result%, genordet.txt not written

:end
rem Explorer runs a double-clicked file as cmd /c ""<its full path>" " in a
rem window that closes when the file ends: only then wait for a key. Run from
rem a console, another script or a program, never wait. timeout fails when
rem there is no console to press a key on.
setlocal EnableDelayedExpansion
set "started_by=!cmdcmdline!"
for %%f in ("%~f0") do set "rest=!started_by:%%~f=!"
if defined started_by if "!rest!" neq "!started_by!" timeout /t 0 >nul 2>&1 && pause
exit /b %status%
