// SPDX-License-Identifier: MIT
#include "helptext.h"

#include "field.h"
#include "planningoptioninfo.h"
#include "scenarioinputs.h"
#include "staffingmodelinfo.h"
#include "varnookversion.h"

#include <QStringList>

namespace {

// The defaults, ranges and model words (%1 to %15) come from their owners.
const char helpText[] =
    "Usage:\n"
    "  varnook-calc agents   [call options] [--format F]\n"
    "  varnook-calc schedule [call options] [--slots 15|30|60] [--volumes V1,V2,... | --volumes-file FILE]\n"
    "                        [--format F]\n"
    "  varnook-calc schedule --intervals FILE [talk, wrap, abandon and goal options] [--format F]\n"
    "  varnook-calc FILE     [--tab agents|schedule] [--format F]\n"
    "  varnook-calc shifts   [call and schedule options] --shift DEF ... | --shifts-file FILE\n"
    "                        [--time-limit SECONDS] [--write-lp FILE] [--format F]\n"
    "  (each form also takes the planning options; schedule also --have | --have-file)\n"
    "  varnook-calc FILE     [--tab agents|schedule] --pdf OUT.pdf [--paper a4|letter]\n"
    "  varnook-calc ... --graph OUT.png|OUT.pdf [--series KINDS] [--bar] [--flat] [--size WxH]\n"
    "\n"
    "Works out how many agents a call centre needs and the service callers get.\n"
    "\n"
    "agents     The service figures for a run of agent numbers over the whole\n"
    "           arrival period; the first row that meets the goal is marked.\n"
    "schedule   One row per 15-, 30- or 60-minute time slot of the arrival\n"
    "           period, with the agents each slot needs to meet the goal, then\n"
    "           the day's total number of calls and total time.\n"
    "FILE       Loads a scenario file (.vnk) and prints its table.\n"
    "shifts     The cheapest set of shifts that staffs the schedule's slots:\n"
    "           the shifts chosen, each slot's cover and the day's paid\n"
    "           agent-hours, proven optimal or with the solver's bound.\n"
    "\n"
    "Call options (left out, each keeps the value a new agent window shows):\n"
    "  --calls N          number of calls arriving in the period (default %1)\n"
    "  --start hh:mm      time the calls start arriving (default %2)\n"
    "  --end hh:mm        time the calls stop arriving; 24:00 is midnight (default %3)\n"
    "  --talk mm:ss       average talk time of a call (default %4)\n"
    "  --wrap mm:ss       after-call work time of a call (default %5)\n"
    "  --abandon mm:ss    how long a caller waits before hanging up (default %6)\n"
    "  --goal PCT         service level goal: percentage of calls answered ... (default %7)\n"
    "  --goal-secs S      ... within this many seconds (default %8)\n"
    "\n"
    "Schedule options:\n"
    "  --slots 15|30|60   length of the time slots in minutes (default %9)\n"
    "  --volumes V1,...   calls in each time slot, first slot first, as typed into\n"
    "                     the Calls column (a text that is not a whole number counts\n"
    "                     0; slots left out have 0). Without --calls the number of\n"
    "                     calls is their sum. Without --volumes, --calls is spread\n"
    "                     evenly over the slots.\n"
    "  --volumes-file FILE\n"
    "                     the same read from a file (\"-\" for standard input):\n"
    "                     one number per line, or a CSV column (of a table, its\n"
    "                     \"Calls\" column); a header line at the top is skipped.\n"
    "                     Every value must be a whole number from 0 up, with no\n"
    "                     more values than time slots; otherwise nothing is\n"
    "                     calculated and the value and its line are named.\n"
    "  --intervals FILE   a planner's interval file (\"-\" for standard input): a\n"
    "                     CSV or tab-separated table with a header row naming a\n"
    "                     time column (time, interval, start), a calls column\n"
    "                     (calls, offered, volume) and optionally AHT or handle\n"
    "                     time, talk, and after-call work (ACW, wrap), in seconds,\n"
    "                     mm:ss or hh:mm:ss. Sets the start, end and slot length\n"
    "                     (15, 30 or 60 minutes, from the times' spacing), the\n"
    "                     calls and each slot's own talk and after-call times (an\n"
    "                     AHT alone is talk time with no after-call work). A bad\n"
    "                     row is named with its line and nothing is calculated.\n"
    "\n"
    "Planning options (agents, schedule and FILE; left out, a FILE keeps its own):\n"
    "  --model %10\n"
    "                     the queueing model (default %11). With erlang-a,\n"
    "                     callers hang up after a mean patience of --abandon\n"
    "                     (at least 00:01), and the table may start below the load\n"
    "  --shrinkage PCT    share of paid time agents are off the phones, %12:\n"
    "                     adds the scheduled agents, agents / (1 - shrinkage)\n"
    "                     rounded up (\"Sched\"), and the day's totals\n"
    "  --max-occupancy PCT\n"
    "                     the goal row's usage may not exceed this, %13\n"
    "  --max-abandon PCT  the goal row's abandoned share may not exceed this,\n"
    "                     %14\n"
    "  --paid-hours hh:mm paid time of one agent's day (default %15), for FTE\n"
    "                     A value out of range is invalid input (exit status 1).\n"
    "\n"
    "Roster (schedule only):\n"
    "  --have V1,...      the agents on the roster per time slot, first slot first\n"
    "                     (an empty entry: no value); adds what they give per slot\n"
    "  --have-file FILE   the same from a file (\"-\" for standard input), read as\n"
    "                     --volumes-file reads volumes (a table: its Have column)\n"
    "\n"
    "Shift planning (shifts only):\n"
    "  --shift NAME,LENGTH,EARLIEST,LATEST[,BREAK,FROM,TO[,paid]][,max=N]\n"
    "                     a shift type (repeatable): its length h:mm, the\n"
    "                     earliest and latest start hh:mm (a start every slot\n"
    "                     between them); a break of BREAK h:mm beginning FROM\n"
    "                     to TO h:mm after the shift's start, unpaid unless\n"
    "                     \"paid\"; at most N agents on the type. Example:\n"
    "                     --shift Day,8:00,07:00,12:00,0:30,3:00,5:00,max=20\n"
    "  --shifts-file FILE the same, one per line (\"-\" for standard input);\n"
    "                     empty lines and lines starting with # are skipped\n"
    "  --time-limit S     stop the solver after S seconds (default 10) with the\n"
    "                     best plan found and its bound\n"
    "  --write-lp FILE    also write the model solved in the CPLEX LP format\n"
    "                     Each slot needs its Sched agents (with --shrinkage), else\n"
    "                     its Agents. Slots no shift reaches are named and left\n"
    "                     out; with maximums the plan first keeps the shortfall\n"
    "                     (agent-slots) smallest. A shift type that does not fit\n"
    "                     the day is invalid input, naming the shift and field.\n"
    "\n"
    "File option:\n"
    "  --tab agents|schedule  which table to print (default agents)\n"
    "\n"
    "Output:\n"
    "  --format table     aligned columns (default); \"<- goal\" marks the goal row\n"
    "  --format csv       header row and every row, comma-separated with RFC 4180\n"
    "                     quoting and CR LF line ends\n"
    "  --format json      one object: inputs, tab, goalRow, table, values (each\n"
    "                     row's figures as numbers: agents, serviceLevel,\n"
    "                     waitProbability, abandonRate, usage as fractions,\n"
    "                     answerSeconds, queueSeconds, queueLength, trunks; on a\n"
    "                     schedule also slot and calls) and for a schedule\n"
    "                     totalTime, halfHourSlots, slotCalls (slotMinutes too\n"
    "                     with 15-minute slots). Options and a\n"
    "                     roster add sched, have, gap, haveValues per row and\n"
    "                     totals, roster objects (the table and CSV end with the\n"
    "                     day's figures); slot times add talkSeconds and\n"
    "                     wrapSeconds per row (null: the fields' times). For\n"
    "                     shifts: shifts, coverage (per slot), totals and\n"
    "                     solver (status, optimal, objective, bound, seconds)\n"
    "  --pdf OUT.pdf      instead of a table, the printed report (inputs and\n"
    "                     table, portrait, paged) as a PDF file; also with\n"
    "                     agents and schedule, whose FILE line reads *.vnk\n"
    "  --paper a4|letter  paper size of the PDF (default a4)\n"
    "\n"
    "Graph:\n"
    "  --graph OUT        draws the graph of the table, as a new graph window shows\n"
    "                     it, into OUT (.png picture or .pdf page) instead of\n"
    "                     printing the table\n"
    "  --series KINDS     the series, by their menu captions separated by commas:\n"
    "                     Agents, Service Level, Queued, Abandoned, Usage, Average\n"
    "                     Answer, Queue Time, Average Queue, Trunks (the tab's own\n"
    "                     only); Sched with --shrinkage, Have with a roster,\n"
    "                     Handle Time with slot times (--intervals).\n"
    "                     Default: Service Level,Queued on the Agents tab,\n"
    "                     Agents,Abandoned on the Schedule. Percentages, times and\n"
    "                     numbers together leave the numbers out, said on stderr.\n"
    "  --bar              bars instead of lines\n"
    "  --flat             without the 3D view\n"
    "  --size WxH         size in pixels (default 640x400); a PDF page is that\n"
    "                     size at 96 pixels an inch\n"
    "\n"
    "--version prints the program's version; --help this text.\n"
    "\n"
    "Options take their value as --calls 100 or --calls=100; a value may begin\n"
    "with '-'. Name a scenario file called agents or schedule as ./agents.\n"
    "\n"
    "Exit status: 0 done; 1 invalid input (the field is named); 2 usage error;\n"
    "3 the scenario file cannot be opened or is not a sound scenario file, or the\n"
    "volumes or shifts file cannot be read, or the PDF, graph or LP file cannot\n"
    "be written (no partial file is left); 4 the shift planner stopped (time\n"
    "limit) before it found any plan.\n";

QString rangeText(PlanningOption option)
{
    const PlanningOptionInfo &info = PlanningOptionInfo::of(option);
    return QStringLiteral("%1 to %2").arg(info.minimum).arg(info.maximum);
}

} // namespace

QString VersionText()
{
    return QStringLiteral("varnook-calc (Varnook) " VARNOOK_VERSION "\n");
}

QString HelpText()
{
    QStringList modelKeys;
    for (const StaffingModelInfo &info : StaffingModelInfo::all())
        modelKeys << info.key;
    return QString::fromLatin1(helpText)
        .arg(DefaultText(Field::Edit1), DefaultText(Field::MaskEdit1), DefaultText(Field::MaskEdit7),
             DefaultText(Field::MaskEdit2), DefaultText(Field::MaskEdit3), DefaultText(Field::MaskEdit4),
             DefaultText(Field::MaskEdit5), DefaultText(Field::MaskEdit6),
             QString::number(minutesOf(ScenarioInputs().slotLength())))
        .arg(modelKeys.join(QLatin1Char('|')), StaffingModelInfo::all().front().key,
             rangeText(PlanningOption::Shrinkage), rangeText(PlanningOption::MaxOccupancy),
             rangeText(PlanningOption::MaxAbandon), PaidHoursText(PlanningOptions::DefaultPaidMinutes));
}
