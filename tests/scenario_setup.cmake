# What every scenario of a program run as a user runs it starts from: a folder of its own,
# made anew (`work`), the texts in English whatever the machine's locale, `korean` to run a
# command in Korean, and a data folder of the test's own, so nothing reaches the user's.
# Usage: include() it from a script run with -DSCENARIO=<name>, after setting `runner`.
set(work "${CMAKE_CURRENT_BINARY_DIR}/${runner}/${SCENARIO}")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
set(ENV{LC_ALL} C)
set(korean ${CMAKE_COMMAND} -E env LC_ALL=ko_KR.UTF-8)
set(ENV{XDG_DATA_HOME} "${work}/data home")
