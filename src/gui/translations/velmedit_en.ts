<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>BackupFolder</name>
    <message>
        <source>无法在备份文件夹 “%1” 中留下保存前的副本：%2；文件未改变</source>
        <translation>Could not leave a copy in the backup folder &quot;%1&quot;: %2; the file is unchanged</translation>
    </message>
    <message>
        <source>无法建立文件夹</source>
        <translation>Cannot create the folder</translation>
    </message>
</context>
<context>
    <name>ChangeSet</name>
    <message>
        <source>文件头</source>
        <translation>File header</translation>
    </message>
    <message>
        <source>%1（字节）</source>
        <translation>%1 (bytes)</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1：%2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>%1，%2：%3 → %4</source>
        <translation>%1, %2: %3 → %4</translation>
    </message>
</context>
<context>
    <name>CodePages</name>
    <message>
        <source>比应有的短</source>
        <translation>is too short</translation>
    </message>
    <message>
        <source>含有无效的编码对</source>
        <translation>holds an invalid code pair</translation>
    </message>
    <message>
        <source>比应有的长</source>
        <translation>is too long</translation>
    </message>
    <message>
        <source>编码表 :/convert/CodePages.bin %1；没有它无法转换文字，程序停止运行</source>
        <translation>The code table :/convert/CodePages.bin %1; texts cannot be converted without it, the program stops</translation>
    </message>
    <message>
        <source>找不到编码表 :/convert/CodePages.bin：%1；没有它无法转换文字，程序停止运行</source>
        <translation>The code table :/convert/CodePages.bin is missing: %1; texts cannot be converted without it, the program stops</translation>
    </message>
    <message>
        <source>不是本程序的编码表</source>
        <translation>is not this program&apos;s code table</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>用法：velmedit [选项] [FILE]
Velmora 武将登录器：编辑新武将登录档 TPERSON.VMR。
不开窗口的命令（各命令的说明：velmedit &lt;命令&gt; --help）：
</source>
        <translation>Usage: velmedit [options] [FILE]
Velmora officer editor: edits the officer file TPERSON.VMR.
Commands without a window (help on each: velmedit &lt;command&gt; --help):
</translation>
    </message>
    <message>
        <source>  --force 也处理不像新武将档的文件（大于 28604 字节，或很多槽有不可能的值）；
          不加时这样的文件被拒绝，什么也不写。
头像（各命令的说明：velmedit faces &lt;命令&gt; --help）：
</source>
        <translation>  --force also reads files that do not look like an officer file (over 28604 bytes,
          or many slots with impossible values); without it they are refused, nothing is written.
Portraits (help on each: velmedit faces &lt;command&gt; --help):
</translation>
    </message>
    <message>
        <source>只能打开一个文件，却给了 %1 个。</source>
        <translation>Only one file can be opened, but %1 were given.</translation>
    </message>
    <message>
        <source>文件名是空的。</source>
        <translation>The file name is empty.</translation>
    </message>
    <message>
        <source>
选项：
  -h, --help     显示本说明后退出。
  -v, --version  显示版本号后退出。
  --lang 语言    界面和消息的语言：zh_CN（简体中文）、zh_TW（繁體中文）或 en（English）。

参数：
  FILE           启动后打开的新武将登录档（TPERSON.VMR）。
</source>
        <translation>
Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.
  --lang CODE    Language of windows and messages: zh_CN, zh_TW or en.

Arguments:
  FILE           The officer file (TPERSON.VMR) to open at start.
</translation>
    </message>
</context>
<context>
    <name>CommandOptions</name>
    <message>
        <source>  --force            文件不像新武将档（大于 28604 字节，或很多槽有不可能的值）时仍然处理；
                     小于 28604 字节的文件总是拒绝。
</source>
        <translation>  --force            Go on with a file that does not look like an officer file
                     (over 28604 bytes, or many impossible values);
                     a file under 28604 bytes is always refused.
</translation>
    </message>
    <message>
        <source>  -h, --help         显示本说明后退出。
</source>
        <translation>  -h, --help         Show this help and exit.
</translation>
    </message>
    <message>
        <source>export TPERSON.VMR 输出.json|输出.csv [--slots 650-659,700] [--text simplified|traditional] [--force]</source>
        <translation>export TPERSON.VMR out.json|out.csv [--slots 650-659,700] [--text simplified|traditional] [--force]</translation>
    </message>
    <message>
        <source>把新武将登录档中的武将写成交换文件，JSON 或 CSV 由文件名的结尾决定。

参数：
  TPERSON.VMR        要读取的新武将登录档，不会被改变。
  输出.json|输出.csv  要写出的交换文件；已有的同名文件会被替换。

选项：
  --slots 编号       只导出这些武将：650–759 之间的编号或范围，以逗号分隔，
                     例如 650-659,700；不给时导出全部 110 个槽。
  --text 写法        武将的名字和列传写成简体（simplified，默认）或繁体（traditional，
                     与游戏中所存的字完全相同）；import 两种都能读。
</source>
        <translation>Writes the officers of an officer file to an exchange file (JSON or CSV by the name&apos;s end).

Arguments:
  TPERSON.VMR        The officer file to read; it is not changed.
  out.json|out.csv   The exchange file to write; replaces a file of that name.

Options:
  --slots NUMBERS    Export only these officers: numbers or ranges in 650–759,
                     separated by commas, e.g. 650-659,700; default: all 110.
  --text SCRIPT      Names and biographies in simplified (default) or traditional
                     characters (exactly as the game stores them); import reads both.
</translation>
    </message>
    <message>
        <source>import TPERSON.VMR 输入.json|输入.csv [--dry-run] [--encoding utf-8|gbk|big5] [--force]</source>
        <translation>import TPERSON.VMR in.json|in.csv [--dry-run] [--encoding utf-8|gbk|big5] [--force]</translation>
    </message>
    <message>
        <source>把交换文件中的武将写入新武将登录档，并列出每一处改变；有任何错误时什么也不写。
保存前把原文件复制为 TPERSON.VMR.bak。

参数：
  TPERSON.VMR        要改变的新武将登录档。
  输入.json|输入.csv  交换文件，export 写出的格式；可以只含部分武将、部分字段。

选项：
  --dry-run          只列出会有的改变，不写任何文件。
  --encoding 编码    交换文件的编码：utf-8、gbk 或 big5；不给时自动判断。
</source>
        <translation>Writes the officers of an exchange file into an officer file and lists every
change; nothing is written when there is any error.
The file is first copied to TPERSON.VMR.bak.

Arguments:
  TPERSON.VMR        The officer file to change.
  in.json|in.csv     The exchange file, as export writes it; it may hold only
                     some officers and some fields.

Options:
  --dry-run          Only list the changes; write no file.
  --encoding NAME    The exchange file&apos;s encoding: utf-8, gbk or big5;
                     default: guessed.
</translation>
    </message>
    <message>
        <source>check TPERSON.VMR [--json] [--game 安装目录] [--force]</source>
        <translation>check TPERSON.VMR [--json] [--game FOLDER] [--force]</translation>
    </message>
    <message>
        <source>检查新武将登录档：列出不可能的值，以及值得一看的地方（提醒），例如同名的武将。
没有发现问题时退出码为 0，发现问题时为 1。

参数：
  TPERSON.VMR        要检查的新武将登录档，不会被改变。

选项：
  --json             以 JSON 写出报告。
  --game 安装目录    Velmora 的安装目录，用来检查头像；不给时从注册表中找。
</source>
        <translation>Checks an officer file: lists impossible values and things worth a look
(warnings), such as officers of the same name.
Exit code 0 when nothing is found, 1 otherwise.

Arguments:
  TPERSON.VMR        The officer file to check; it is not changed.

Options:
  --json             Write the report as JSON.
  --game FOLDER      Velmora&apos;s installation folder, to check faces;
                     default: taken from the registry.
</translation>
    </message>
    <message>
        <source>逐个槽列出两个新武将登录档中不同的字段（从 A 到 B）。
相同时退出码为 0，不同时为 1。

参数：
  A.VMR B.VMR        要比较的两个新武将登录档，都不会被改变。

选项：
</source>
        <translation>Lists slot by slot the fields that differ between two officer files (A to B).
Exit code 0 when they are the same, 1 otherwise.

Arguments:
  A.VMR B.VMR        The two officer files to compare; neither is changed.

Options:
</translation>
    </message>
    <message>
        <source>选项 %1 不带值</source>
        <translation>Option %1 takes no value</translation>
    </message>
    <message>
        <source>选项 %1 缺少值</source>
        <translation>Option %1 needs a value</translation>
    </message>
    <message>
        <source>用法：velmedit %1</source>
        <translation>Usage: velmedit %1</translation>
    </message>
    <message>
        <source>未知选项 %1</source>
        <translation>Unknown option %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>命令行有误：%1</source>
        <translation>Command line error: %1</translation>
    </message>
    <message>
        <source>需要 %1 个文件，却给了 %2 个</source>
        <translation>Needs %1 file(s), got %2</translation>
    </message>
</context>
<context>
    <name>ConsistencyCheck</name>
    <message>
        <source>%1，%2（提醒）：%3</source>
        <translation>%1, %2 (warning): %3</translation>
    </message>
    <message>
        <source>%1，%2：%3</source>
        <translation>%1, %2: %3</translation>
    </message>
</context>
<context>
    <name>CsvExchange</name>
    <message>
        <source>引号用法不对：格中的引号应写成两个（&quot;&quot;），带引号的格在结束的引号后应紧跟分隔符或换行</source>
        <translation>Misused quote: a quote inside a cell is written twice (&quot;&quot;), and a quoted cell&apos;s closing quote is followed by a separator or a line break</translation>
    </message>
    <message>
        <source>格太大，无法读取</source>
        <translation>A cell is too large to read</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>这一行有 %1 格，武将交换文件最多 %2 列</source>
        <translation>This line has %1 cells; an officer exchange file has at most %2 columns</translation>
    </message>
    <message>
        <source>行太多：新武将档只有 110 个槽，文件却超过 110 行武将</source>
        <translation>Too many lines: an officer file has 110 slots, the file has more than 110 officer lines</translation>
    </message>
    <message>
        <source>引号没有结束：带引号的格到文件末尾还没有结束的引号</source>
        <translation>Unclosed quote: a quoted cell has no closing quote before the end of the file</translation>
    </message>
    <message>
        <source>第 %1 列没有列名（可能是表格程序加的行号列）</source>
        <translation>Column %1 has no name (perhaps a row-number column added by a spreadsheet)</translation>
    </message>
    <message>
        <source>未知的列名“%1”（列名是导出的文件第一行的英文名）</source>
        <translation>Unknown column &quot;%1&quot; (column names are the English names in the first line of an exported file)</translation>
    </message>
    <message>
        <source>这一列出现了不止一次</source>
        <translation>This column appears more than once</translation>
    </message>
    <message>
        <source>原始数据应为以空格分开的 键=十六进制</source>
        <translation>Raw data must be key=hex pairs separated by blanks</translation>
    </message>
    <message>
        <source>文件头与前面的行不同</source>
        <translation>The file header differs from the lines before</translation>
    </message>
    <message>
        <source>这一行有 %1 列，表头有 %2 列</source>
        <translation>This line has %1 columns, the header has %2</translation>
    </message>
    <message>
        <source>format 应为 “%1”：“%2”</source>
        <translation>format must be &quot;%1&quot;: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>以分号分隔</source>
        <translation>Separated by semicolons</translation>
    </message>
    <message>
        <source>以制表符分隔</source>
        <translation>Separated by tabs</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>不是 velmedit 的武将交换文件：第一行应为列名，其中有 format 和 version</source>
        <translation>Not a velmedit officer exchange file: the first line must be the column names, with format and version</translation>
    </message>
    <message>
        <source>文件中没有武将</source>
        <translation>The file holds no officer</translation>
    </message>
</context>
<context>
    <name>DialogSeam</name>
    <message>
        <source>Velmora 武将登录器</source>
        <translation>Velmora Officer Editor</translation>
    </message>
</context>
<context>
    <name>DocumentExchange</name>
    <message>
        <source>导入 %1（%2 处）</source>
        <translation>Import %1 (%2 change(s))</translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>确认修改</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>确认修改（Ctrl+Enter）</source>
        <translation>Confirm the changes (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>提示：&quot;确认修改&quot;之后再选择&quot;保存存档&quot;，方可使修改生效</source>
        <translation>Tip: press &quot;Confirm&quot;, then save the file.</translation>
    </message>
    <message>
        <source>形象</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>头像</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>性别</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>年份</source>
        <translation>Years</translation>
    </message>
    <message>
        <source>诞生年</source>
        <translation>Born</translation>
    </message>
    <message>
        <source>登场年</source>
        <translation>Debut</translation>
    </message>
    <message>
        <source>死亡年</source>
        <translation>Died</translation>
    </message>
    <message>
        <source>能力</source>
        <translation>Abilities</translation>
    </message>
    <message>
        <source>统率</source>
        <translation>LDR</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>WAR</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>INT</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>POL</translation>
    </message>
    <message>
        <source>魅力</source>
        <translation>CHR</translation>
    </message>
    <message>
        <source>声望</source>
        <translation>Fame</translation>
    </message>
    <message>
        <source>性格</source>
        <translation>Pers</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>物欲</source>
        <translation>Want</translation>
    </message>
    <message>
        <source>信念</source>
        <translation>Bel.</translation>
    </message>
    <message>
        <source>饮酒</source>
        <translation>Wine</translation>
    </message>
    <message>
        <source>关心</source>
        <translation>Care</translation>
    </message>
    <message>
        <source>义理</source>
        <translation>Duty</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Hire</translation>
    </message>
    <message>
        <source>拥汉</source>
        <translation>Han</translation>
    </message>
    <message>
        <source>战略</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>任务</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>人际</source>
        <translation>Relations</translation>
    </message>
    <message>
        <source>父亲</source>
        <translation>Dad</translation>
    </message>
    <message>
        <source>母亲</source>
        <translation>Mom</translation>
    </message>
    <message>
        <source>配偶</source>
        <translation>Mate</translation>
    </message>
    <message>
        <source>家族</source>
        <translation>Clan</translation>
    </message>
    <message>
        <source>兄弟</source>
        <translation>Bro</translation>
    </message>
    <message>
        <source>仇敌</source>
        <translation>Foe</translation>
    </message>
    <message>
        <source>相性</source>
        <translation>Affinity</translation>
    </message>
    <message>
        <source>势力相性</source>
        <translation>Faction</translation>
    </message>
    <message>
        <source>个人相性</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>相同武将</source>
        <translation>Same as</translation>
    </message>
    <message>
        <source>个人</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>姓</source>
        <translation>S</translation>
    </message>
    <message>
        <source>名</source>
        <translation>N</translation>
    </message>
    <message>
        <source>字</source>
        <translation>C</translation>
    </message>
    <message>
        <source>读音</source>
        <translation>Pron</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Li</translation>
    </message>
    <message>
        <source>传</source>
        <translation>fe</translation>
    </message>
    <message>
        <source>此人日文--&gt;中文</source>
        <translation>This JP--&gt;CN</translation>
    </message>
    <message>
        <source>所有武将日文--&gt;中文</source>
        <translation>All JP--&gt;CN</translation>
    </message>
    <message>
        <source>特技</source>
        <translation>Skills</translation>
    </message>
    <message>
        <source>能力全满</source>
        <translation>Max stats</translation>
    </message>
    <message>
        <source>全部技能</source>
        <translation>All skills</translation>
    </message>
    <message>
        <source>撤销修改</source>
        <translation>Undo edits</translation>
    </message>
    <message>
        <source>已确认；请留意：</source>
        <translation>Confirmed; please note:</translation>
    </message>
    <message>
        <source>游戏中显示为：%1</source>
        <translation>Shown in the game as: %1</translation>
    </message>
    <message>
        <source>已将%1名武将的日文转换为中文，%2名武将已是中文。</source>
        <translation>Converted %1 officers from Japanese to Chinese; %2 were Chinese already.</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>武将交换文件 (*.json *.csv);;JSON (*.json);;CSV (*.csv)</source>
        <translation>Officer exchange file (*.json *.csv);;JSON (*.json);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>请先打开新武将登陆文件！</source>
        <translation>Open an officer file first!</translation>
    </message>
    <message>
        <source>文件名应以 .json 或 .csv 结尾</source>
        <translation>The file name should end in .json or .csv</translation>
    </message>
    <message>
        <source>未导入，有 %1 处错误，没有任何改变：
</source>
        <translation>Not imported, %1 errors, nothing changed:
</translation>
    </message>
    <message>
        <source>不能确定文件的编码：按 UTF-8 或按 GBK 读取都像武将的文字。
用记事本“ANSI”或中文表格程序默认方式保存的文件是 GBK，另存为“UTF-8”的是 UTF-8。按哪种编码读取？</source>
        <translation>The file&apos;s encoding is unclear: read as UTF-8 or as GBK, both look like officer texts.
A file saved by Notepad as &quot;ANSI&quot; or by a Chinese spreadsheet by default is GBK; one saved as &quot;UTF-8&quot; is UTF-8. Read it as which?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>按 %1 编码读取（已确认）</source>
        <translation>Read as %1 (confirmed)</translation>
    </message>
    <message>
        <source>导出全部 %1 位武将，还是只导出列表中的 %2 位？</source>
        <translation>Export all %1 officers, or only the %2 in the list?</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>只导出列表中的</source>
        <translation>Only those listed</translation>
    </message>
    <message>
        <source>已导出 %1 位武将</source>
        <translation>Exported %1 officers</translation>
    </message>
    <message>
        <source>没有要改变的内容</source>
        <translation>Nothing to change</translation>
    </message>
</context>
<context>
    <name>ExchangeDocument</name>
    <message>
        <source>第 %1 行</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>第 %1 列</source>
        <translation> column %1</translation>
    </message>
    <message>
        <source>第 %1 个字符</source>
        <translation> character %1</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>编号 %1</source>
        <translation>number %1</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>还有 %1 处错误</source>
        <translation>%1 more error(s)</translation>
    </message>
    <message>
        <source>（找到 %1 处错误后不再往下检查）</source>
        <translation>(checking stops after %1 errors)</translation>
    </message>
</context>
<context>
    <name>ExchangeFields</name>
    <message>
        <source>文字中不能有零字符</source>
        <translation>A text cannot hold a zero character</translation>
    </message>
    <message>
        <source>不是一个整数：“%1”</source>
        <translation>Not a whole number: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>编号与项目不符：“%1”；可选：%2</source>
        <translation>Number and item differ: &quot;%1&quot;; choices: %2</translation>
    </message>
    <message>
        <source>不是可选的项目：“%1”；可选：%2</source>
        <translation>Not one of the choices: &quot;%1&quot;; choices: %2</translation>
    </message>
    <message>
        <source>人物编号 %1 是%2，不是%3</source>
        <translation>Person %1 is %2, not %3</translation>
    </message>
    <message>
        <source>名叫%1的人物不止一位，请写编号</source>
        <translation>More than one person is named %1; write the number</translation>
    </message>
    <message>
        <source>人物表中没有%1（新武将请写编号 650–759）</source>
        <translation>No %1 in the roster (write 650–759 for new officers)</translation>
    </message>
    <message>
        <source>没有这个特技：%1</source>
        <translation>No such skill: %1</translation>
    </message>
</context>
<context>
    <name>ExchangeFile</name>
    <message>
        <source>文件不是 %1 文本（请以 UTF-8 保存，或用 --encoding 指定编码）</source>
        <translation>The file is not %1 text (save it as UTF-8, or name the encoding with --encoding)</translation>
    </message>
    <message>
        <source>文件以 UTF-16 的字节顺序标记开头，内容却不是 UTF-16</source>
        <translation>The file starts with a UTF-16 byte order mark but is not UTF-16</translation>
    </message>
    <message>
        <source>按 UTF-16 编码读取</source>
        <translation>Read as UTF-16</translation>
    </message>
    <message>
        <source>按 %1 编码读取</source>
        <translation>Read as %1</translation>
    </message>
    <message>
        <source>按 UTF-8 编码读取；按 GBK 读取也像武将的文字（--encoding gbk 可改为 GBK）</source>
        <translation>Read as UTF-8; read as GBK it also looks like officer text (--encoding gbk reads GBK)</translation>
    </message>
    <message>
        <source>按 GBK 编码读取</source>
        <translation>Read as GBK</translation>
    </message>
    <message>
        <source>文件既不是 UTF-8 也不是 GBK 文本（请以 UTF-8 保存）</source>
        <translation>The file is neither UTF-8 nor GBK text (save it as UTF-8)</translation>
    </message>
    <message>
        <source>太大（%1 字节）；导出的文件不超过 %2 MB</source>
        <translation>too large (%1 bytes); exported files are at most %2 MB</translation>
    </message>
    <message>
        <source>slot 应为 0–109 的整数：“%1”</source>
        <translation>slot must be a whole number 0–109: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>number 应为 650–759 的整数：“%1”</source>
        <translation>number must be a whole number 650–759: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>slot %1 与 number %2 不是同一位武将</source>
        <translation>slot %1 and number %2 are not the same officer</translation>
    </message>
    <message>
        <source>缺少 slot 或 number</source>
        <translation>slot or number is missing</translation>
    </message>
    <message>
        <source>version 应为正整数</source>
        <translation>version must be a positive whole number</translation>
    </message>
    <message>
        <source>文件的版本 %1 比本程序能读的版本 %2 新</source>
        <translation>The file&apos;s version %1 is newer than %2, the newest this program reads</translation>
    </message>
    <message>
        <source>文件%1</source>
        <translation>File %1</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>文件 %1 %2</source>
        <translation>File %1 %2</translation>
    </message>
    <message>
        <source>无法打开文件 %1：%2</source>
        <translation>Cannot open file %1: %2</translation>
    </message>
    <message>
        <source>无法写入文件 “%1”：%2</source>
        <translation>Cannot write file &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>ExchangeImport</name>
    <message>
        <source>重复的原始数据</source>
        <translation>Raw data given twice</translation>
    </message>
    <message>
        <source>未知的原始数据</source>
        <translation>Unknown raw data</translation>
    </message>
    <message>
        <source>不是十六进制数据</source>
        <translation>Not hexadecimal data</translation>
    </message>
    <message>
        <source>长度不对：%1 字节，应为 %2 字节</source>
        <translation>Wrong length: %1 bytes, should be %2</translation>
    </message>
    <message>
        <source>未知的字段</source>
        <translation>Unknown field</translation>
    </message>
    <message>
        <source>人物编号 %1 是%2，不是%3</source>
        <translation>Person %1 is %2, not %3</translation>
    </message>
    <message>
        <source>文件头应为 4 字节的十六进制数据</source>
        <translation>The file header must be 4 bytes of hexadecimal data</translation>
    </message>
    <message>
        <source>槽号应在 0–109 之间</source>
        <translation>The slot must be 0–109</translation>
    </message>
    <message>
        <source>这位武将在文件中出现了不止一次</source>
        <translation>This officer appears more than once in the file</translation>
    </message>
</context>
<context>
    <name>FaceCommandText</name>
    <message>
        <source>  --game 安装目录    Velmora 的安装目录（含 grp 文件夹）；不给时用编辑器所用的目录。
</source>
        <translation>  --game FOLDER      Velmora&apos;s installation folder (holding grp);
                     default: the one the editor uses.
</translation>
    </message>
    <message>
        <source>  -h, --help         显示本说明后退出。
</source>
        <translation>  -h, --help         Show this help and exit.
</translation>
    </message>
    <message>
        <source>export [--game 安装目录] --out 文件夹 [--faces 0-99,131,2000-2002]</source>
        <translation>export [--game FOLDER] --out FOLDER [--faces 0-99,131,2000-2002]</translation>
    </message>
    <message>
        <source>把头像写成 PNG 图片，每个头像一个文件，以四位数的头像编号命名（0131.png、2000.png）：
64 × 80，256 色，用头像自己的调色板，与头像档中的像素完全相同。

选项：
  --out 文件夹       写入图片的文件夹，没有时建立；同名图片会被替换。
  --faces 编号       只写这些头像：编号或范围，以逗号分隔；范围跳过不存在的编号，
                     单个不存在的编号会被拒绝。不给时写全部头像。
</source>
        <translation>Writes faces as PNG pictures, one file per face, named by the four-digit
face number (0131.png, 2000.png): 64 × 80, 256 colours, with the face&apos;s
own palette, pixel for pixel as in the face archive.

Options:
  --out FOLDER       The folder for the pictures, made when missing;
                     pictures of the same name are replaced.
  --faces NUMBERS    Only these faces: numbers or ranges, separated by commas;
                     a range skips missing numbers, a single missing number is
                     refused. Default: all faces.
</translation>
    </message>
    <message>
        <source>sheet [--game 安装目录] --out 总览图.png [--faces 编号] [--columns 20]</source>
        <translation>sheet [--game FOLDER] --out sheet.png [--faces NUMBERS] [--columns 20]</translation>
    </message>
    <message>
        <source>把头像按编号顺序排成一张 PNG 总览图，原大小，每个头像下面写着它的编号。

选项：
  --out 总览图.png   要写出的图片。
  --faces 编号       只排这些头像（写法同 export）；不给时排全部头像。
  --columns 数目     每行的头像数，1–200，默认 20。
</source>
        <translation>Lays the faces out in number order on one PNG sheet, full size, each with
its number below it.

Options:
  --out sheet.png    The picture to write.
  --faces NUMBERS    Only these faces (written as for export); default: all.
  --columns COUNT    Faces per row, 1–200, default 20.
</translation>
    </message>
    <message>
        <source>import [--game 安装目录] --face 编号 图片 [--fit crop|pad] [--palette new|keep] [--dry-run] [--preview 预览.png]
  velmedit faces import [--game 安装目录] --from 文件夹 [--fit crop|pad] [--palette new|keep] [--dry-run]</source>
        <translation>import [--game FOLDER] --face NUMBER PICTURE [--fit crop|pad] [--palette new|keep] [--dry-run] [--preview preview.png]
  velmedit faces import [--game FOLDER] --from FOLDER [--fit crop|pad] [--palette new|keep] [--dry-run]</translation>
    </message>
    <message>
        <source>把图片（PNG、JPEG、BMP 或 GIF）做成头像，直接写入游戏的头像档，只改变这个头像的 6144 字节。
第一次替换前把头像档复制为 grpfaces.vmr.bak / grpaface.vmr.bak；已有的备份不会被覆盖。
64 × 80 的图片不缩放：export 写出的 256 色图片原样写回。

选项：
  --face 编号        要替换的头像。
  --from 文件夹      写入文件夹中所有 NNNN.png（如 0131.png），每个头像档只替换一次。
  --fit crop|pad     crop（默认）：放大到盖满 64 × 80 后裁去两边；pad：整张放进去，
                     空出的地方填图片边缘的颜色。
  --palette new|keep new（默认）：为图片选出最好的 256 色；keep：用头像原来的调色板。
  --dry-run          只检查、不写入。
  --preview 预览.png 把做成的 64 × 80 头像另存为 PNG。
</source>
        <translation>Makes a picture (PNG, JPEG, BMP or GIF) into a face and writes it straight
into the game&apos;s face archive, changing only that face&apos;s 6144 bytes.
Before the first replacement the archive is copied to grpfaces.vmr.bak /
grpaface.vmr.bak; an existing backup is never overwritten.
A 64 × 80 picture is not scaled: a 256-colour export goes back as it was.

Options:
  --face NUMBER      The face to replace.
  --from FOLDER      Write every NNNN.png of the folder (such as 0131.png),
                     replacing each archive once.
  --fit crop|pad     crop (default): enlarge to cover 64 × 80, cut the sides;
                     pad: fit the whole picture, fill with its edge colour.
  --palette new|keep new (default): the best 256 colours for the picture;
                     keep: the face&apos;s own palette.
  --dry-run          Only check; write nothing.
  --preview preview.png  Also save the 64 × 80 face made as a PNG.
</translation>
    </message>
    <message>
        <source>restore [--game 安装目录] --face 编号</source>
        <translation>restore [--game FOLDER] --face NUMBERS</translation>
    </message>
    <message>
        <source>从备份 grpfaces.vmr.bak / grpaface.vmr.bak 取回头像原来的样子。

选项：
  --face 编号        要取回的头像；可以是以逗号分隔的编号或范围。
</source>
        <translation>Brings faces back as they were from the backups grpfaces.vmr.bak /
grpaface.vmr.bak.

Options:
  --face NUMBERS     The faces to bring back: numbers or ranges, separated by
                     commas.
</translation>
    </message>
    <message>
        <source>用法：velmedit faces %1</source>
        <translation>Usage: velmedit faces %1</translation>
    </message>
    <message>
        <source>用法：
</source>
        <translation>Usage:
</translation>
    </message>
    <message>
        <source>每个命令的说明：velmedit faces 命令 --help
</source>
        <translation>Help on each command: velmedit faces COMMAND --help
</translation>
    </message>
</context>
<context>
    <name>FaceCommands</name>
    <message>
        <source>没有给出 --game，也找不到游戏的安装目录</source>
        <translation>No --game given, and the game&apos;s installation folder is not found</translation>
    </message>
    <message>
        <source>安装目录 %1 不是一个文件夹</source>
        <translation>The installation folder %1 is not a folder</translation>
    </message>
    <message>
        <source>缺少选项 --%1</source>
        <translation>Option --%1 is missing</translation>
    </message>
    <message>
        <source>头像档原样备份为 %1</source>
        <translation>Face archive backed up as %1</translation>
    </message>
    <message>
        <source>导出头像</source>
        <translation>Exporting faces</translation>
    </message>
    <message>
        <source>已导出 %1 个头像到 %2</source>
        <translation>Exported %1 faces to %2</translation>
    </message>
    <message>
        <source>--columns 应为 1 至 200 的整数</source>
        <translation>--columns must be a whole number from 1 to 200</translation>
    </message>
    <message>
        <source>排列头像</source>
        <translation>Laying out faces</translation>
    </message>
    <message>
        <source>头像总览图 %1：%2 个头像，每行 %3 个，%4 × %5 像素</source>
        <translation>Face sheet %1: %2 faces, %3 per row, %4 × %5 pixels</translation>
    </message>
    <message>
        <source>--face 只能给一个头像编号</source>
        <translation>--face takes a single face number</translation>
    </message>
    <message>
        <source>--fit 只能是 crop 或 pad</source>
        <translation>--fit must be crop or pad</translation>
    </message>
    <message>
        <source>--palette 只能是 new 或 keep</source>
        <translation>--palette must be new or keep</translation>
    </message>
    <message>
        <source>找不到文件夹 %1</source>
        <translation>Folder %1 not found</translation>
    </message>
    <message>
        <source>文件夹 %1 中没有 NNNN.png 头像图片</source>
        <translation>Folder %1 holds no NNNN.png face pictures</translation>
    </message>
    <message>
        <source>请给出 --face 编号 和图片，或 --from 文件夹</source>
        <translation>Give --face NUMBER and a picture, or --from FOLDER</translation>
    </message>
    <message>
        <source>用 --from 时不再给图片文件</source>
        <translation>With --from, give no picture file</translation>
    </message>
    <message>
        <source>需要 1 个图片文件</source>
        <translation>Needs 1 picture file</translation>
    </message>
    <message>
        <source>--preview 只能与 --face 一起用</source>
        <translation>--preview goes only with --face</translation>
    </message>
    <message>
        <source>预览写入 %1</source>
        <translation>Preview written to %1</translation>
    </message>
    <message>
        <source>试运行：%1 个头像可以替换，未写入任何文件</source>
        <translation>Dry run: %1 faces can be replaced; no file written</translation>
    </message>
    <message>
        <source>头像与头像档中的相同，头像档未改变</source>
        <translation>The faces are the same as in the archive; the archive is unchanged</translation>
    </message>
    <message>
        <source>头像 %1 已替换</source>
        <translation>Face %1 replaced</translation>
    </message>
    <message>
        <source>已替换 %1 个头像（共 %2 个图片）</source>
        <translation>Replaced %1 faces (of %2 pictures)</translation>
    </message>
    <message>
        <source>已从备份取回 %1 个头像（其余的与备份相同）</source>
        <translation>Brought back %1 faces from the backup (the rest match it)</translation>
    </message>
    <message>
        <source>已从备份取回 %1 个头像</source>
        <translation>Brought back %1 faces from the backup</translation>
    </message>
    <message>
        <source>缺少命令</source>
        <translation>Command missing</translation>
    </message>
    <message>
        <source>未知命令 %1</source>
        <translation>Unknown command %1</translation>
    </message>
</context>
<context>
    <name>FaceMenu</name>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>图片 (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>导出此头像…</source>
        <translation>Export this face…</translation>
    </message>
    <message>
        <source>替换此头像…</source>
        <translation>Replace this face…</translation>
    </message>
    <message>
        <source>恢复原头像</source>
        <translation>Restore the original face</translation>
    </message>
    <message>
        <source>导出全部头像…</source>
        <translation>Export all faces…</translation>
    </message>
    <message>
        <source>头像总览图…</source>
        <translation>Face sheet…</translation>
    </message>
    <message>
        <source>头像档原样备份为 %1</source>
        <translation>The face file was backed up as it was to %1</translation>
    </message>
    <message>
        <source>头像 %1 与备份中的相同，无需恢复</source>
        <translation>Face %1 is the same as in the backup; nothing to restore</translation>
    </message>
    <message>
        <source>导出全部头像到文件夹</source>
        <translation>Export all faces to folder</translation>
    </message>
    <message>
        <source>导出头像…</source>
        <translation>Exporting faces…</translation>
    </message>
    <message>
        <source>已导出 %1 个头像到 %2</source>
        <translation>Exported %1 faces to %2</translation>
    </message>
    <message>
        <source>头像总览.png</source>
        <translation>face-sheet.png</translation>
    </message>
    <message>
        <source>排列头像…</source>
        <translation>Arranging faces…</translation>
    </message>
    <message>
        <source>头像总览图 %1：
%2 个头像，每行 %3 个，%4 × %5 像素</source>
        <translation>Face sheet %1:
%2 faces, %3 per row, %4 × %5 pixels</translation>
    </message>
</context>
<context>
    <name>FaceReplaceDialog</name>
    <message>
        <source>替换头像</source>
        <translation>Replace face</translation>
    </message>
    <message>
        <source>现在的头像</source>
        <translation>Current face</translation>
    </message>
    <message>
        <source>新头像</source>
        <translation>New face</translation>
    </message>
    <message>
        <source>图片大小</source>
        <translation>Picture size</translation>
    </message>
    <message>
        <source>裁切填满</source>
        <translation>Crop to fill</translation>
    </message>
    <message>
        <source>完整放入</source>
        <translation>Fit whole</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>新调色板</source>
        <translation>New palette</translation>
    </message>
    <message>
        <source>沿用原调色板</source>
        <translation>Keep the palette</translation>
    </message>
    <message>
        <source>本档中使用此头像的武将：</source>
        <translation>Officers in this file using this face:</translation>
    </message>
    <message>
        <source>游戏自带的武将也使用此头像。</source>
        <translation>The game&apos;s own officers use this face too.</translation>
    </message>
    <message>
        <source>按“替换”后头像档立即改变；用“恢复原头像”可以取回原来的头像。</source>
        <translation>The face file changes as soon as you press &quot;Replace&quot;; &quot;Restore the original face&quot; takes it back.</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>替换头像 %1</source>
        <translation>Replace face %1</translation>
    </message>
    <message>
        <source>本档中没有武将使用此头像。</source>
        <translation>No officer in this file uses this face.</translation>
    </message>
</context>
<context>
    <name>FaceSelection</name>
    <message>
        <source>头像 %1 不存在：追加头像档只有 %2 个头像（%3–%4）</source>
        <translation>Face %1 does not exist: the added face archive holds %2 faces (%3–%4)</translation>
    </message>
    <message>
        <source>头像 %1 不存在：1594 至 1999 号不是头像</source>
        <translation>Face %1 does not exist: 1594 to 1999 are no faces</translation>
    </message>
    <message>
        <source>头像 %1 不存在：游戏没有这个编号的头像</source>
        <translation>Face %1 does not exist: the game has no face of that number</translation>
    </message>
    <message>
        <source>头像编号“%1”看不懂：应为数字或范围，如 0-99,131,2000-2002</source>
        <translation>Face number &quot;%1&quot; not understood: use numbers or ranges, e.g. 0-99,131,2000-2002</translation>
    </message>
    <message>
        <source>头像范围“%1”看不懂：应为 起-止，如 2000-2002</source>
        <translation>Face range &quot;%1&quot; not understood: use FIRST-LAST, e.g. 2000-2002</translation>
    </message>
    <message>
        <source>头像范围“%1”中没有头像</source>
        <translation>Face range &quot;%1&quot; holds no face</translation>
    </message>
</context>
<context>
    <name>FieldDescriptions</name>
    <message>
        <source>可填 0–%1</source>
        <translation>0–%1</translation>
    </message>
    <message>
        <source>；常见值不超过 %1，超过 %1 游戏中少见（检查时提醒）</source>
        <translation>; usually at most %1, above %1 is rare in the game (check warns)</translation>
    </message>
    <message>
        <source>
主头像档的编号为 0–%1（中间有空缺），追加头像从 %2 起；头像档中没有的编号，检查时提醒
头像选择窗口中的“头像最大编号”决定窗口列出到哪个编号为止</source>
        <translation>
Main archive faces are 0–%1 (with gaps), added faces start at %2; check warns of a number no archive holds
The face picker&apos;s &quot;Highest face number&quot; sets how far it lists</translation>
    </message>
    <message>
        <source>名单中的武将编号 0–%1，或“无”；%2–%3 是本档的新武将
指向此人自己或空的槽时，检查会提醒</source>
        <translation>A roster number 0–%1, or &quot;none&quot;; %2–%3 are this file&apos;s new officers
Check warns when it points to the officer itself or to an empty slot</translation>
    </message>
    <message>
        <source>最多 %1 字节（%2 个汉字或 %1 个字母）；按字节原样保存，不做繁简转换</source>
        <translation>At most %1 bytes (%2 Chinese characters or %1 letters); stored byte for byte, not converted</translation>
    </message>
    <message>
        <source>最多 %1 字节（%2 个汉字）</source>
        <translation>At most %1 bytes (%2 Chinese characters)</translation>
    </message>
    <message>
        <source>，换行占 %1 字节</source>
        <translation>, a line break takes %1</translation>
    </message>
    <message>
        <source>；显示为简体，以繁体（Big5）保存</source>
        <translation>; stored in traditional characters (Big5)</translation>
    </message>
    <message>
        <source>可选：%1</source>
        <translation>Choices: %1</translation>
    </message>
    <message>
        <source>特技：%1
%2</source>
        <translation>Skill: %1
%2</translation>
    </message>
</context>
<context>
    <name>FileDoubt</name>
    <message>
        <source>%1 的大小为 %2 字节，不是 28604 字节</source>
        <translation>%1 is %2 bytes, not 28604</translation>
    </message>
    <message>
        <source>文件看起来不是武将登录档（%1 处不可能的值）</source>
        <translation>The file does not look like an officer file (%1 impossible values)</translation>
    </message>
</context>
<context>
    <name>GameFaces</name>
    <message>
        <source>；头像档未改变</source>
        <translation>; the face archive is unchanged</translation>
    </message>
    <message>
        <source>（游戏正在运行时头像档被占用，请先关闭游戏）</source>
        <translation> (the running game holds the archive; close the game first)</translation>
    </message>
    <message>
        <source>找不到头像档 %1</source>
        <translation>Face archive %1 not found</translation>
    </message>
    <message>
        <source>无法打开头像档 %1：%2</source>
        <translation>Cannot open face archive %1: %2</translation>
    </message>
    <message>
        <source>无法读取头像档 %1：%2</source>
        <translation>Cannot read face archive %1: %2</translation>
    </message>
    <message>
        <source>头像档 %1 不含头像 %2（目录只列出 %3 个头像）</source>
        <translation>Face archive %1 does not hold face %2 (its directory lists only %3 faces)</translation>
    </message>
    <message>
        <source>头像档 %1 只有 %2 字节，放不下头像 %3</source>
        <translation>Face archive %1 has only %2 bytes, too few for face %3</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>头像 %1 不存在：游戏没有这个编号的头像</source>
        <translation>Face %1 does not exist: the game has no face of that number</translation>
    </message>
    <message>
        <source>头像档 %1 是只读文件，不能替换其中的头像</source>
        <translation>Face archive %1 is read-only; its faces cannot be replaced</translation>
    </message>
    <message>
        <source>头像档 %1 正被其他程序打开（多半是游戏），请先关闭游戏</source>
        <translation>Face archive %1 is open in another program (most likely the game); close the game first</translation>
    </message>
    <message>
        <source>无法建立头像档的备份 %1</source>
        <translation>Cannot make the face archive&apos;s backup %1</translation>
    </message>
    <message>
        <source>无法写入头像档 %1：%2</source>
        <translation>Cannot write face archive %1: %2</translation>
    </message>
    <message>
        <source>替换后读回头像档 %1 时发现内容不符，请用备份 %2 恢复</source>
        <translation>Face archive %1 read back after the replacement differs; restore it from the backup %2</translation>
    </message>
    <message>
        <source>头像档 %1 不含头像 %2（文件只有 %3 字节，追加头像档列出 %4 个）</source>
        <translation>Face archive %1 does not hold face %2 (the file has %3 bytes, the added archive lists %4 faces)</translation>
    </message>
    <message>
        <source>没有头像 %1 的备份：%2 不存在或不含这个头像</source>
        <translation>No backup of face %1: %2 is missing or does not hold it</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>导入武将：预览</source>
        <translation>Import officers: preview</translation>
    </message>
    <message>
        <source>武将</source>
        <translation>Officer</translation>
    </message>
    <message>
        <source>字段</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>原值</source>
        <translation>Old value</translation>
    </message>
    <message>
        <source>新值</source>
        <translation>New value</translation>
    </message>
    <message>
        <source>游戏中显示</source>
        <translation>In the game</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>将改变 %1 位武将的 %2 处内容。应用后请保存新武将档；文件头和保留字节保持文件中的值。</source>
        <translation>Changes %2 values of %1 officers. Save the officer file after applying; the header and reserved bytes keep the file&apos;s values.</translation>
    </message>
</context>
<context>
    <name>Jislib</name>
    <message>
        <source>找不到字符对照表 %1：%2；没有它无法转换文字，程序停止运行</source>
        <translation>The character table %1 is missing: %2; texts cannot be converted without it, the program stops</translation>
    </message>
    <message>
        <source>字符对照表 %1 有 %2 字节，应为 %3 字节；没有完整的对照表无法转换文字，程序停止运行</source>
        <translation>The character table %1 has %2 bytes, not %3; texts cannot be converted without the whole table, the program stops</translation>
    </message>
</context>
<context>
    <name>JsonExchange</name>
    <message>
        <source>特技应为文字</source>
        <translation>Skills must be texts</translation>
    </message>
    <message>
        <source>这个值的类型不对</source>
        <translation>This value has the wrong type</translation>
    </message>
    <message>
        <source>原始数据应为十六进制文字</source>
        <translation>Raw data must be hexadecimal text</translation>
    </message>
    <message>
        <source>每位武将应为一个对象</source>
        <translation>Each officer must be an object</translation>
    </message>
    <message>
        <source>raw 应为一个对象</source>
        <translation>raw must be an object</translation>
    </message>
    <message>
        <source>未知的字段</source>
        <translation>Unknown field</translation>
    </message>
    <message>
        <source>未知的原始数据</source>
        <translation>Unknown raw data</translation>
    </message>
    <message>
        <source>JSON 格式错误：%1</source>
        <translation>JSON error: %1</translation>
    </message>
    <message>
        <source>同一个对象中键 “%1” 出现了不止一次</source>
        <translation>Key &quot;%1&quot; appears more than once in one object</translation>
    </message>
    <message>
        <source>JSON 文件应为一个对象</source>
        <translation>A JSON file must be an object</translation>
    </message>
    <message>
        <source>不是 velmedit 的武将交换文件（format 应为 “%1”）</source>
        <translation>Not a velmedit officer exchange file (format must be &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>缺少武将列表 officers</source>
        <translation>The officer list officers is missing</translation>
    </message>
    <message>
        <source>武将太多：%1 位，新武将档只有 110 个槽</source>
        <translation>Too many officers: %1; an officer file has 110 slots</translation>
    </message>
    <message>
        <source>文件中没有武将</source>
        <translation>The file holds no officer</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>文件结束后还有多余的内容</source>
        <translation>More content after the end of the document</translation>
    </message>
    <message>
        <source>这里应为一个值（文字要加双引号，最后一项后面不能有逗号）</source>
        <translation>A value is expected here (texts need double quotes, no comma after the last item)</translation>
    </message>
    <message>
        <source>逗号后面缺少一项（最后一项后面不能有逗号）</source>
        <translation>An item is missing after a comma (no comma after the last item)</translation>
    </message>
    <message>
        <source>这里应为带双引号的键</source>
        <translation>A key in double quotes is expected here</translation>
    </message>
    <message>
        <source>键后面缺少冒号</source>
        <translation>A colon is missing after the key</translation>
    </message>
    <message>
        <source>对象没有结束：缺少 } 或两项之间的逗号</source>
        <translation>Unclosed object: } or a comma between two items is missing</translation>
    </message>
    <message>
        <source>列表没有结束：缺少 ] 或两项之间的逗号</source>
        <translation>Unclosed list: ] or a comma between two items is missing</translation>
    </message>
    <message>
        <source>文字中有不合法的转义（反斜杠要写成 \\）</source>
        <translation>Invalid escape in a text (write a backslash as \\)</translation>
    </message>
    <message>
        <source>文字中有无法识别的字符（不成对的 \u 代理项）</source>
        <translation>Unreadable character in a text (an unpaired \u surrogate)</translation>
    </message>
    <message>
        <source>文字没有结束：缺少结束的双引号</source>
        <translation>Unclosed text: the closing double quote is missing</translation>
    </message>
    <message>
        <source>文字中有不合法的 UTF-8 字节</source>
        <translation>Invalid UTF-8 bytes in a text</translation>
    </message>
    <message>
        <source>不是合法的数字</source>
        <translation>Not a valid number</translation>
    </message>
    <message>
        <source>文件中途结束</source>
        <translation>The file ends too early</translation>
    </message>
    <message>
        <source>格式错误</source>
        <translation>Format error</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>界面语言(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
</context>
<context>
    <name>MainWindowLook</name>
    <message>
        <source>Velmora自登陆武将文件 ([Tt][Pp][Ee][Rr][Ss][Oo][Nn].[Vv][Mm][Rr])</source>
        <translation>Velmora officer file ([Tt][Pp][Ee][Rr][Ss][Oo][Nn].[Vv][Mm][Rr])</translation>
    </message>
</context>
<context>
    <name>OfficerDocument</name>
    <message>
        <source>修改 %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>粘贴到 %1</source>
        <translation>Paste onto %1</translation>
    </message>
    <message>
        <source>清空 %1</source>
        <translation>Clear %1</translation>
    </message>
    <message>
        <source>文件 %1 已不在原处（被删除或移走）；未保存</source>
        <translation>File %1 is gone (deleted or moved); not saved</translation>
    </message>
    <message>
        <source>文件 %1 在读入后被其他程序改变；未保存，以免覆盖那些改变</source>
        <translation>File %1 was changed by another program after it was read; not saved, so as not to overwrite those changes</translation>
    </message>
    <message>
        <source>恢复备份 %1</source>
        <translation>Restore backup %1</translation>
    </message>
</context>
<context>
    <name>OfficerFields</name>
    <message>
        <source>保留字节</source>
        <translation>Reserved bytes</translation>
    </message>
    <message>
        <source>特技</source>
        <translation>Skills</translation>
    </message>
    <message>
        <source>勾选则此武将拥有这项特技</source>
        <translation>Checked: the officer has this skill</translation>
    </message>
    <message>
        <source>姓</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>武将的姓</source>
        <translation>The officer&apos;s surname</translation>
    </message>
    <message>
        <source>名</source>
        <translation>Given name</translation>
    </message>
    <message>
        <source>武将的名</source>
        <translation>The officer&apos;s given name</translation>
    </message>
    <message>
        <source>字</source>
        <translation>Courtesy name</translation>
    </message>
    <message>
        <source>武将的字（表字），可以不填</source>
        <translation>The officer&apos;s courtesy name; may stay empty</translation>
    </message>
    <message>
        <source>读音</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>姓名的读音</source>
        <translation>How the name is read</translation>
    </message>
    <message>
        <source>列传</source>
        <translation>Biography</translation>
    </message>
    <message>
        <source>武将的列传，生平的介绍</source>
        <translation>The officer&apos;s biography</translation>
    </message>
    <message>
        <source>头像</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>头像编号；点击头像，在头像选择窗口中挑选</source>
        <translation>Face number; click the face to pick one</translation>
    </message>
    <message>
        <source>统率</source>
        <translation>Leadership</translation>
    </message>
    <message>
        <source>统率能力，带兵作战的指挥力</source>
        <translation>Leadership: commanding troops in battle</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>War</translation>
    </message>
    <message>
        <source>武力，个人的武艺与战斗力</source>
        <translation>War: personal martial skill and fighting strength</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>Intelligence</translation>
    </message>
    <message>
        <source>智力，谋略与计策的能力</source>
        <translation>Intelligence: schemes and stratagems</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>Politics</translation>
    </message>
    <message>
        <source>政治能力，内政与治理的才干</source>
        <translation>Politics: domestic affairs and government</translation>
    </message>
    <message>
        <source>魅力</source>
        <translation>Charm</translation>
    </message>
    <message>
        <source>魅力，吸引人心、招揽人才的能力</source>
        <translation>Charm: winning hearts and talent</translation>
    </message>
    <message>
        <source>声望</source>
        <translation>Reputation</translation>
    </message>
    <message>
        <source>声望，在世间的名声</source>
        <translation>Reputation: standing in the world</translation>
    </message>
    <message>
        <source>诞生年</source>
        <translation>Birth year</translation>
    </message>
    <message>
        <source>诞生的年份</source>
        <translation>The year of birth</translation>
    </message>
    <message>
        <source>登场年</source>
        <translation>Debut year</translation>
    </message>
    <message>
        <source>在游戏中登场的年份</source>
        <translation>The year the officer appears in the game</translation>
    </message>
    <message>
        <source>死亡年</source>
        <translation>Death year</translation>
    </message>
    <message>
        <source>死亡的年份；早于诞生年或登场年时，检查会提醒</source>
        <translation>The year of death; check warns when it is before birth or debut</translation>
    </message>
    <message>
        <source>势力相性</source>
        <translation>Ruler affinity</translation>
    </message>
    <message>
        <source>与君主的相性，数值越接近越亲近</source>
        <translation>Affinity with rulers: the closer the values, the closer the bond</translation>
    </message>
    <message>
        <source>个人相性</source>
        <translation>Personal affinity</translation>
    </message>
    <message>
        <source>与其他武将个人之间的相性（投缘）</source>
        <translation>Affinity with other officers in person</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>武将的类型</source>
        <translation>The officer&apos;s type</translation>
    </message>
    <message>
        <source>信念</source>
        <translation>Belief</translation>
    </message>
    <message>
        <source>武将行事所本的信念</source>
        <translation>The belief the officer acts on</translation>
    </message>
    <message>
        <source>性格</source>
        <translation>Personality</translation>
    </message>
    <message>
        <source>武将的性格</source>
        <translation>The officer&apos;s personality</translation>
    </message>
    <message>
        <source>饮酒</source>
        <translation>Drinking</translation>
    </message>
    <message>
        <source>对饮酒的喜好</source>
        <translation>How the officer takes to drink</translation>
    </message>
    <message>
        <source>关心</source>
        <translation>Interest</translation>
    </message>
    <message>
        <source>平时关心、喜好的事</source>
        <translation>What the officer cares for day to day</translation>
    </message>
    <message>
        <source>物欲</source>
        <translation>Greed</translation>
    </message>
    <message>
        <source>对财物的欲望</source>
        <translation>Desire for wealth</translation>
    </message>
    <message>
        <source>性别</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>武将的性别</source>
        <translation>The officer&apos;s gender</translation>
    </message>
    <message>
        <source>义理</source>
        <translation>Duty</translation>
    </message>
    <message>
        <source>重视义理的程度</source>
        <translation>How much the officer values duty</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>Employment</translation>
    </message>
    <message>
        <source>录用人才时看重的方面</source>
        <translation>What counts when the officer employs people</translation>
    </message>
    <message>
        <source>拥汉</source>
        <translation>Han loyalty</translation>
    </message>
    <message>
        <source>对汉室的态度</source>
        <translation>Attitude toward the Han court</translation>
    </message>
    <message>
        <source>战略</source>
        <translation>Strategy</translation>
    </message>
    <message>
        <source>谋划战略时着眼的范围</source>
        <translation>The scope of the officer&apos;s strategy</translation>
    </message>
    <message>
        <source>任务</source>
        <translation>Diligence</translation>
    </message>
    <message>
        <source>执行任务的态度</source>
        <translation>How the officer carries out tasks</translation>
    </message>
    <message>
        <source>父亲</source>
        <translation>Father</translation>
    </message>
    <message>
        <source>此人的父亲</source>
        <translation>The officer&apos;s father</translation>
    </message>
    <message>
        <source>母亲</source>
        <translation>Mother</translation>
    </message>
    <message>
        <source>此人的母亲</source>
        <translation>The officer&apos;s mother</translation>
    </message>
    <message>
        <source>配偶</source>
        <translation>Spouse</translation>
    </message>
    <message>
        <source>此人的配偶</source>
        <translation>The officer&apos;s spouse</translation>
    </message>
    <message>
        <source>家族</source>
        <translation>Family</translation>
    </message>
    <message>
        <source>与此人同一家族的武将</source>
        <translation>An officer of the same family</translation>
    </message>
    <message>
        <source>兄弟</source>
        <translation>Brother</translation>
    </message>
    <message>
        <source>此人的兄弟</source>
        <translation>The officer&apos;s brother</translation>
    </message>
    <message>
        <source>仇敌</source>
        <translation>Enemy</translation>
    </message>
    <message>
        <source>此人的仇敌</source>
        <translation>The officer&apos;s enemy</translation>
    </message>
    <message>
        <source>相同武将</source>
        <translation>Same officer</translation>
    </message>
    <message>
        <source>视为同一人物的武将（例如同一人的另一登录），无则选“无”</source>
        <translation>An officer counted as the same person (such as another entry of them); &quot;none&quot; if there is none</translation>
    </message>
</context>
<context>
    <name>OfficerFile</name>
    <message>
        <source>无法打开文件 %1：%2</source>
        <translation>Cannot open file %1: %2</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Cannot read file %1: %2</translation>
    </message>
    <message>
        <source>文件 %1 只有 %2 字节，新武将档应为 %3 字节；未载入</source>
        <translation>File %1 has only %2 bytes, an officer file has %3; not loaded</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2；文件未写成</source>
        <translation>Cannot write file %1: %2; the file was not written</translation>
    </message>
    <message>
        <source>无法建立备份文件 %1：%2；文件未改变，仍是保存前的内容</source>
        <translation>Cannot make the backup file %1: %2; the file is unchanged, as it was before saving</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2；文件未改变，仍是保存前的内容</source>
        <translation>Cannot write file %1: %2; the file is unchanged, as it was before saving</translation>
    </message>
    <message>
        <source>保存后读回文件 %1 时发现内容不符，文件已被新内容替换但可能已损坏，请用备份文件 %2 恢复</source>
        <translation>File %1 read back after saving differs: it was replaced but may be damaged; restore it from the backup %2</translation>
    </message>
</context>
<context>
    <name>OfficerFinder</name>
    <message>
        <source>%1 %2 的框中“%3”不是整数</source>
        <translation>%1 %2: &quot;%3&quot; is not a whole number</translation>
    </message>
</context>
<context>
    <name>OfficerListPanel</name>
    <message>
        <source>新武将</source>
        <translation>New officers</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>统率</source>
        <translation>LDR</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>WAR</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>INT</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>POL</translation>
    </message>
    <message>
        <source>魅力</source>
        <translation>CHR</translation>
    </message>
    <message>
        <source>输入一项或多项值以查找武将</source>
        <translation>Find officers by one or more values</translation>
    </message>
    <message>
        <source>统</source>
        <translation>L</translation>
    </message>
    <message>
        <source>武</source>
        <translation>W</translation>
    </message>
    <message>
        <source>智</source>
        <translation>I</translation>
    </message>
    <message>
        <source>政</source>
        <translation>P</translation>
    </message>
    <message>
        <source>魅</source>
        <translation>C</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
</context>
<context>
    <name>OfficerToolsMenu</name>
    <message>
        <source>查找武将(&amp;F)…</source>
        <translation>&amp;Find officer…</translation>
    </message>
    <message>
        <source>复制武将(&amp;C)</source>
        <translation>&amp;Copy officer</translation>
    </message>
    <message>
        <source>粘贴到此武将(&amp;P)</source>
        <translation>&amp;Paste onto this officer</translation>
    </message>
    <message>
        <source>清空此武将(&amp;D)</source>
        <translation>C&amp;lear this officer</translation>
    </message>
    <message>
        <source>请先打开新武将登陆文件！</source>
        <translation>Open an officer file first!</translation>
    </message>
    <message>
        <source>请先在列表中选择一位武将</source>
        <translation>Choose an officer in the list first</translation>
    </message>
    <message>
        <source>清空 %1 吗？</source>
        <translation>Clear %1?</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>当前武将的修改尚未确认，是否确认修改？</source>
        <translation>The changes to this officer are not confirmed yet. Confirm them?</translation>
    </message>
    <message>
        <source>确认修改</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>放弃修改</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>复制武将</source>
        <translation>Copy officer</translation>
    </message>
    <message>
        <source>粘贴到此武将</source>
        <translation>Paste onto this officer</translation>
    </message>
    <message>
        <source>清空此武将</source>
        <translation>Clear this officer</translation>
    </message>
</context>
<context>
    <name>PanelSession</name>
    <message>
        <source>确认修改 %1</source>
        <translation>Apply changes to %1</translation>
    </message>
    <message>
        <source>此人日文--&gt;中文 %1</source>
        <translation>Japanese--&gt;Chinese for %1</translation>
    </message>
    <message>
        <source>所有武将日文--&gt;中文（%1 名）</source>
        <translation>Japanese--&gt;Chinese for all officers (%1)</translation>
    </message>
</context>
<context>
    <name>PhraseConversion</name>
    <message>
        <source>无法进入文件夹</source>
        <translation>Cannot enter the folder</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>无法读取 OpenCC 的数据 %1：%2</source>
        <translation>Cannot read OpenCC&apos;s data %1: %2</translation>
    </message>
    <message>
        <source>找不到 OpenCC 的数据 %1（%2）</source>
        <translation>OpenCC&apos;s data %1 not found (%2)</translation>
    </message>
    <message>
        <source>词组转换已关闭：%1；输入的字逐字按字表转为繁体。</source>
        <translation>Phrase conversion is off: %1; typed characters are converted one by one with the table.</translation>
    </message>
</context>
<context>
    <name>ProgramLanguage</name>
    <message>
        <source>未知的界面语言“%1”：应为 zh_CN、zh_TW 或 en。</source>
        <translation>Unknown language &quot;%1&quot;: use zh_CN, zh_TW or en.</translation>
    </message>
    <message>
        <source>--lang 后缺少语言：应为 zh_CN、zh_TW 或 en。</source>
        <translation>--lang needs a language: zh_CN, zh_TW or en.</translation>
    </message>
</context>
<context>
    <name>RosterPicker</name>
    <message>
        <source>查找…</source>
        <translation>Find…</translation>
    </message>
    <message>
        <source>输入编号或名字的一部分（简体、繁体均可）
↑↓ 移动，Enter 选择，Esc 关闭</source>
        <translation>Type a number or part of a name (simplified or traditional)
↑↓ move, Enter choose, Esc close</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>velmedit: 没有图形显示（DISPLAY 和 WAYLAND_DISPLAY 都没有设置），无法打开编辑器窗口。</source>
        <translation>velmedit: no graphical display (neither DISPLAY nor WAYLAND_DISPLAY is set); cannot open the editor window.</translation>
    </message>
    <message>
        <source>velmedit: 无法连接图形显示（%1），无法打开编辑器窗口。</source>
        <translation>velmedit: cannot connect to the graphical display (%1); cannot open the editor window.</translation>
    </message>
</context>
<context>
    <name>Subcommands</name>
    <message>
        <source>%1：</source>
        <translation>%1: </translation>
    </message>
    <message>
        <source>%1；</source>
        <translation>%1; </translation>
    </message>
    <message>
        <source>%1未处理（确是新武将档时加 --force）</source>
        <translation>%1not processed (add --force if it is an officer file)</translation>
    </message>
    <message>
        <source>--slots 应为 650–759 之间的编号或范围，例如 650-659,700：%1</source>
        <translation>--slots takes numbers or ranges within 650–759, e.g. 650-659,700: %1</translation>
    </message>
    <message>
        <source>--slots 没有给出编号</source>
        <translation>--slots names no number</translation>
    </message>
    <message>
        <source>交换文件名应以 .json 或 .csv 结尾：%1</source>
        <translation>An exchange file name ends in .json or .csv: %1</translation>
    </message>
    <message>
        <source>已导出 %1 位武将到 %2</source>
        <translation>Exported %1 officers to %2</translation>
    </message>
    <message>
        <source>--encoding 应为 utf-8、gbk 或 big5：%1</source>
        <translation>--encoding must be utf-8, gbk or big5: %1</translation>
    </message>
    <message>
        <source>未导入：有 %1 处错误，文件没有改变</source>
        <translation>Not imported: %1 error(s); the file is unchanged</translation>
    </message>
    <message>
        <source>没有要改变的内容</source>
        <translation>Nothing to change</translation>
    </message>
    <message>
        <source>试运行：%1 处改变，文件没有改变</source>
        <translation>Dry run: %1 change(s); the file is unchanged</translation>
    </message>
    <message>
        <source>已保存 %1 处改变；原文件备份为 %2</source>
        <translation>Saved %1 change(s); the old file is backed up as %2</translation>
    </message>
    <message>
        <source>保存前的文件复制为 %1</source>
        <translation>The file before saving was copied to %1</translation>
    </message>
    <message>
        <source>保存前的文件与已有副本相同：%1</source>
        <translation>The file before saving matches the copy %1</translation>
    </message>
    <message>
        <source>--game 不是一个文件夹：%1</source>
        <translation>--game is not a folder: %1</translation>
    </message>
    <message>
        <source>没有发现问题</source>
        <translation>No problems found</translation>
    </message>
    <message>
        <source>发现 %1 处问题</source>
        <translation>Problems found: %1</translation>
    </message>
    <message>
        <source>两个文件的武将数据相同</source>
        <translation>The two files hold the same officers</translation>
    </message>
    <message>
        <source>--text 应为 simplified 或 traditional：%1</source>
        <translation>--text must be simplified or traditional: %1</translation>
    </message>
</context>
<context>
    <name>SuspiciousValues</name>
    <message>
        <source>能力 %1 超过 %2</source>
        <translation>Ability %1 is above %2</translation>
    </message>
    <message>
        <source>没有选择</source>
        <translation>Nothing chosen</translation>
    </message>
    <message>
        <source>指向这位武将自己（%1）</source>
        <translation>Points to this officer itself (%1)</translation>
    </message>
    <message>
        <source>指向空的槽 %1（%2）</source>
        <translation>Points to empty slot %1 (%2)</translation>
    </message>
    <message>
        <source>父母 %1 生于 %2 年，晚于本人的 %3 年</source>
        <translation>Parent %1 was born in %2, after this officer&apos;s %3</translation>
    </message>
    <message>
        <source>死亡年 %1 早于诞生年 %2</source>
        <translation>Death year %1 is before birth year %2</translation>
    </message>
    <message>
        <source>死亡年 %1 早于登场年 %2</source>
        <translation>Death year %1 is before debut year %2</translation>
    </message>
    <message>
        <source>头像 %1 不在头像档中</source>
        <translation>Face %1 is in no face archive</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>与 %1 同名</source>
        <translation>Same name as %1</translation>
    </message>
</context>
<context>
    <name>SystemErrorText</name>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>No such file or folder</translation>
    </message>
    <message>
        <source>没有权限</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>不允许这样操作</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>文件系统是只读的</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>This is a folder</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>读写设备出错</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>文件正被其他程序使用</source>
        <translation>The file is in use by another program</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%2</translation>
    </message>
    <message>
        <source>文件不可写</source>
        <translation>The file cannot be written</translation>
    </message>
</context>
<context>
    <name>TForm_Find</name>
    <message>
        <source>查找武将</source>
        <translation>Find officers</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>姓名或字的一部分，简体繁体均可</source>
        <translation>Part of a name, simplified or traditional</translation>
    </message>
    <message>
        <source>统率</source>
        <translation>LDR</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>WAR</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>INT</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>POL</translation>
    </message>
    <message>
        <source>魅力</source>
        <translation>CHR</translation>
    </message>
    <message>
        <source>查找范围</source>
        <translation>Slots</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>只找空位</source>
        <translation>Empty only</translation>
    </message>
    <message>
        <source>只找已登录</source>
        <translation>Registered only</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>找到 %1 位武将</source>
        <translation>Found %1 officers</translation>
    </message>
</context>
<context>
    <name>TForm_Help</name>
    <message>
        <source>欢迎使用 Velmora 武将登录器</source>
        <translation>Welcome to Velmora Officer Editor</translation>
    </message>
    <message>
        <source>欢迎您使用</source>
        <translation>Welcome to</translation>
    </message>
    <message>
        <source>Velmora 武将登录器1.7.1</source>
        <translation>Velmora Officer Editor 1.7.1</translation>
    </message>
    <message>
        <source>本登录器来自</source>
        <translation>From the</translation>
    </message>
    <message>
        <source>维摩之家</source>
        <translation>Weimo</translation>
    </message>
    <message>
        <source>论坛</source>
        <translation>BBS</translation>
    </message>
    <message>
        <source>同时推出</source>
        <translation>Also:</translation>
    </message>
    <message>
        <source>Velmora 城市登录器 1.0 测试版</source>
        <translation>Velmora City Editor 1.0 beta</translation>
    </message>
    <message>
        <source>使用提示：</source>
        <translation>Tips:</translation>
    </message>
    <message>
        <source>1、登录武将文件为
   我的文档\Orvane\Velmora TC\TPrsn\TPERSON.VMR</source>
        <translation>1. The officer file is
   My Documents\Orvane\Velmora TC\TPrsn\TPERSON.VMR</translation>
    </message>
    <message>
        <source>2、支持Velmora中文版，可以用简体输入法输入姓名、列传    </source>
        <translation>2. Chinese edition; simplified input works    </translation>
    </message>
    <message>
        <source>3、可将日文版登录武将信息转换为中文，直接在中文版中继续使用    </source>
        <translation>3. Converts Japanese-edition officers to Chinese    </translation>
    </message>
    <message>
        <source>4、可修改隐藏属性     </source>
        <translation>4. Edits hidden values     </translation>
    </message>
    <message>
        <source>。。。单击或按任意键进入修改。。。</source>
        <translation>... click or press a key ...</translation>
    </message>
    <message>
        <source>更新版本下载以及建议、Bug 的提出    </source>
        <translation>For updates, suggestions and bug reports    </translation>
    </message>
    <message>
        <source>请到</source>
        <translation>see</translation>
    </message>
    <message>
        <source>维摩之家(http://velmedit.example/)Velmora版</source>
        <translation>Weimo (http://velmedit.example/) Velmora</translation>
    </message>
    <message>
        <source>鸣谢：</source>
        <translation>Thanks:</translation>
    </message>
    <message>
        <source>整理资料及提供修改方法的 </source>
        <translation>for data and editing methods </translation>
    </message>
    <message>
        <source>石头、青梅、云中客、老树</source>
        <translation>Shitou, Qingmei, Yunzhongke, Laoshu</translation>
    </message>
    <message>
        <source>作者：</source>
        <translation>By:</translation>
    </message>
    <message>
        <source>2004年11月2日</source>
        <translation>2 Nov 2004</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>Reminder</translation>
    </message>
    <message>
        <source>台湾是中国不可分割的一部分
钓鱼岛是中国固有领土
</source>
        <translation>Taiwan is an inseparable part of China
The Diaoyu Islands are China&apos;s inherent territory
</translation>
    </message>
</context>
<context>
    <name>TForm_InstallDir</name>
    <message>
        <source>选择Velmora的安装目录</source>
        <translation>Choose the Velmora folder</translation>
    </message>
    <message>
        <source>确  定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>此文件夹中没有头像文件 grp\grpfaces.vmr，仍然使用它吗？</source>
        <translation>This folder has no face file grp\grpfaces.vmr. Use it anyway?</translation>
    </message>
    <message>
        <source>使用</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>无法创建配置文件</source>
        <translation>Cannot create the settings file</translation>
    </message>
</context>
<context>
    <name>TForm_Main</name>
    <message>
        <source>Velmora 武将登录器</source>
        <translation>Velmora Officer Editor</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>最近打开(&amp;L)</source>
        <translation>Recent fi&amp;les</translation>
    </message>
    <message>
        <source>设置路径(&amp;D)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>头像(&amp;P)</source>
        <translation>&amp;Portraits</translation>
    </message>
    <message>
        <source>打开新武将档(&amp;O)</source>
        <translation>&amp;Open officers</translation>
    </message>
    <message>
        <source>重新载入(&amp;R)</source>
        <translation>&amp;Reload</translation>
    </message>
    <message>
        <source>保存新武将档(&amp;S)</source>
        <translation>&amp;Save officers</translation>
    </message>
    <message>
        <source>导出武将…</source>
        <translation>Export officers…</translation>
    </message>
    <message>
        <source>导入武将…</source>
        <translation>Import officers…</translation>
    </message>
    <message>
        <source>另存为(&amp;A)…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>恢复备份(&amp;B)…</source>
        <translation>Restore &amp;backup…</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>选择Velmora安装目录(&amp;I)</source>
        <translation>Choose the Velmora &amp;installation folder</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>%1，仍然打开吗？</source>
        <translation>%1. Open it anyway?</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>撤销(&amp;U) %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>重做(&amp;R) %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>当前武将的修改尚未确认，是否确认修改？</source>
        <translation>The changes to this officer are not confirmed yet. Confirm them?</translation>
    </message>
    <message>
        <source>确认修改</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>放弃修改</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>无法定位安装路径,可能无法显示头像!</source>
        <translation>The installation folder was not found; portraits may not show!</translation>
    </message>
    <message>
        <source>修改尚未保存，是否保存？</source>
        <translation>The changes are not saved. Save them?</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>请先打开一个存档文件！</source>
        <translation>Open a file first!</translation>
    </message>
    <message>
        <source>请先打开新武将登陆文件！</source>
        <translation>Open an officer file first!</translation>
    </message>
    <message>
        <source>当前武将的修改尚未确认。</source>
        <translation>The changes to this officer are not confirmed yet.</translation>
    </message>
    <message>
        <source>确认修改后保存</source>
        <translation>Confirm, then save</translation>
    </message>
    <message>
        <source>只保存已确认的</source>
        <translation>Save confirmed only</translation>
    </message>
    <message>
        <source>%1 在读入后被其他程序改变了。
重新载入：读入磁盘上的文件，放弃窗口中未保存的修改；
覆盖：用窗口中的武将表覆盖磁盘上的文件。</source>
        <translation>%1 was changed by another program after it was read.
Reload: read the file on disk, dropping the unsaved changes in the window;
Overwrite: write the window&apos;s officers over the file on disk.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>%1 已不在原处（被删除或移走）。按窗口中的武将表重新写出这个文件吗？</source>
        <translation>%1 is no longer there (deleted or moved). Write it again from the officers in the window?</translation>
    </message>
    <message>
        <source>重新写出</source>
        <translation>Write again</translation>
    </message>
    <message>
        <source>%1。
仍然保存吗？（.bak 照常建立，只是不留这次保存前的副本）</source>
        <translation>%1.
Save anyway? (The .bak is made as usual; only the copy from before this save is not kept.)</translation>
    </message>
    <message>
        <source>保存，不留副本</source>
        <translation>Save without copy</translation>
    </message>
    <message>
        <source>%1 已不在原处（被删除或移走）。窗口中的武将表还在，保存时可以重新写出这个文件。</source>
        <translation>%1 is no longer there (deleted or moved). The officers are still in the window; saving writes the file again.</translation>
    </message>
    <message>
        <source>%1 在读入后被其他程序改变了，窗口中还有未保存的修改。
重新载入：读入磁盘上的文件，放弃这些修改；
覆盖：用窗口中的武将表覆盖磁盘上的文件。</source>
        <translation>%1 was changed by another program after it was read, and the window has unsaved changes.
Reload: read the file on disk, dropping these changes;
Overwrite: write the window&apos;s officers over the file on disk.</translation>
    </message>
    <message>
        <source>Velmora自登陆武将文件 (TPERSON.VMR);;所有文件 (*)</source>
        <translation>Velmora officer file (TPERSON.VMR);;All files (*)</translation>
    </message>
    <message>
        <source>有 %1 位武将的文字像是日文版（Shift-JIS）写的，游戏中会显示成乱码：
请用“所有武将日文--&gt;中文”转换。</source>
        <translation>The texts of %1 officers look written by the Japanese edition (Shift-JIS) and show garbled in the game:
convert them with &quot;All JP--&gt;CN&quot;.</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%1（已不在）</source>
        <translation>%1 (gone)</translation>
    </message>
    <message>
        <source>%1 是文件夹，不是新武将档（TPERSON.VMR）。</source>
        <translation>%1 is a folder, not an officer file (TPERSON.VMR).</translation>
    </message>
</context>
<context>
    <name>TForm_Restore</name>
    <message>
        <source>恢复备份</source>
        <translation>Restore backup</translation>
    </message>
    <message>
        <source>每次保存和导入之前，文件都复制一份在备份文件夹中。选中一份，按“恢复”把它作为要保存的武将表打开；可以撤销，保存后文件即是那一份。</source>
        <translation>Before every save and import the file is copied to the backup folder. Choose a copy and press &quot;Restore&quot; to open it as the officers to save; this can be undone, and saving makes the file that copy.</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>与当前不同的武将</source>
        <translation>Officers changed</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>打开时的文件（.bak）</source>
        <translation>File when opened (.bak)</translation>
    </message>
    <message>
        <source>%1 字节</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 位</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>已损坏，不能恢复</source>
        <translation>Damaged, cannot restore</translation>
    </message>
</context>
<context>
    <name>TfrmPic</name>
    <message>
        <source>转到</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>首页</source>
        <translation>First</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>尾页</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>头像最大编号</source>
        <translation>Max face no.</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>新武将</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>追加武将</source>
        <translation>Added</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>抗议</source>
        <translation>Protest</translation>
    </message>
    <message>
        <source>不要点了！没看到我没有编号吗？</source>
        <translation>Stop clicking! Can&apos;t you see I have no number?</translation>
    </message>
</context>
<context>
    <name>TypedText</name>
    <message>
        <source>含有无法识别的字符（文件中的字已损坏）</source>
        <translation>Holds unreadable characters (broken in the file)</translation>
    </message>
    <message>
        <source>含有控制字符 %1</source>
        <translation>Holds control character %1</translation>
    </message>
    <message>
        <source>“?”像是丢失的字（表格程序保存时可能没有选择 UTF-8）</source>
        <translation>&quot;?&quot; looks like lost characters (the spreadsheet was perhaps not saved as UTF-8)</translation>
    </message>
    <message>
        <source>无法以繁体中文(Big5)保存的字：%1</source>
        <translation>Characters traditional Chinese (Big5) cannot store: %1</translation>
    </message>
    <message>
        <source>无法保存的字：%1</source>
        <translation>Characters that cannot be stored: %1</translation>
    </message>
    <message>
        <source>太长：%1 字节，最多 %2 字节</source>
        <translation>Too long: %1 bytes, at most %2</translation>
    </message>
</context>
<context>
    <name>ValueRules</name>
    <message>
        <source>%1 超出范围 0–%2</source>
        <translation>%1 is outside 0–%2</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 不是可选的项目；可选：%2</source>
        <translation>%1 is not one of the choices; choices: %2</translation>
    </message>
    <message>
        <source>人物编号 %1</source>
        <translation>Person number %1</translation>
    </message>
    <message>
        <source>不是繁体中文(Big5)文字，像是日文(Shift-JIS)：请用 此人日文--&gt;中文 转换</source>
        <translation>Not traditional Chinese (Big5) text; it looks Japanese (Shift-JIS): convert it with &quot;This JP--&gt;CN&quot;</translation>
    </message>
    <message>
        <source>不是繁体中文(Big5)文字</source>
        <translation>Not traditional Chinese (Big5) text</translation>
    </message>
    <message>
        <source>含有 Big5 未定义的字，像是日文(Shift-JIS)：请用 此人日文--&gt;中文 转换</source>
        <translation>Holds characters Big5 does not define; it looks Japanese (Shift-JIS): convert it with &quot;This JP--&gt;CN&quot;</translation>
    </message>
</context>
</TS>
