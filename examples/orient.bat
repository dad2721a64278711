@echo off
rem Converts system.txt in this folder into genordet.txt and says whether it
rem worked. Usage: orient [s]   (s: one tip row per line in system.txt)
rem sysorient ends with -1 on a failure, which "if errorlevel 1" never sees:
rem test for any status other than 0 instead.
set sysorient=sysorient
if exist "%~dp0sysorient.exe" set sysorient="%~dp0sysorient.exe"
%sysorient% %1
if %ERRORLEVEL% neq 0 (
    echo orient: sysorient failed with status %ERRORLEVEL%, genordet.txt not written
    exit /b 1
)
echo orient: genordet.txt written
exit /b 0
