<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>
Licence: GNU General Public License, version 3 or later (</source>
        <translation>
许可证：GNU 通用公共许可证第 3 版或更高版本（</translation>
    </message>
    <message>
        <source>Free memory:    unknown</source>
        <translation>可用内存：    未知</translation>
    </message>
    <message>
        <source>Free memory:    %1 kBytes</source>
        <translation>可用内存：    %1 KB</translation>
    </message>
    <message>
        <source>About Zelvo</source>
        <translation>关于 Zelvo</translation>
    </message>
    <message>
        <source>Zelvo</source>
        <translation>Zelvo</translation>
    </message>
    <message>
        <source>).
This program comes with ABSOLUTELY NO WARRANTY.
This is free software, and you are welcome to redistribute it
under certain conditions; see the licence for details:
</source>
        <translation>).
本程序不提供任何担保。
这是自由软件，欢迎在一定条件下
再发布；详见许可证：
</translation>
    </message>
    <message>
        <source>Matching networks designed on the impedance chart:
data points, series and shunt elements, lines and stubs,
Q and VSWR contours, wideband evaluation.

S-Plot mode for measured two-port data:
S-parameter plots, stability, gain and noise circles.</source>
        <translation>在史密斯圆图上设计匹配网络：
数据点、串联和并联元件、传输线和短截线、
Q 值和驻波比轮廓、宽带计算。

S-Plot 模式用于测量的二端口数据：
S 参数曲线、稳定圆、增益圆和噪声圆。</translation>
    </message>
</context>
<context>
    <name>AmplifierDialog</name>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Elements (from the load)</source>
        <translation>元件（从负载起）</translation>
    </message>
    <message>
        <source>(matched already)</source>
        <translation>（已匹配）</translation>
    </message>
    <message>
        <source>Match amplifier</source>
        <translation>放大器匹配</translation>
    </message>
    <message>
        <source>Device: %1, the block at the chain&apos;s end</source>
        <translation>器件：%1，网络链末端的模块</translation>
    </message>
    <message>
        <source>Device: %1 from the S-Plot file, inserted as a block</source>
        <translation>器件：%1，取自 S-Plot 文件，作为模块插入</translation>
    </message>
    <message>
        <source>&amp;Frequency</source>
        <translation>频率(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Gain (potentially unstable device)</source>
        <translation>增益（潜在不稳定器件）(&amp;G)</translation>
    </message>
    <message>
        <source>Output network: load to the device&apos;s port 2</source>
        <translation>输出网络：负载到器件端口 2</translation>
    </message>
    <message>
        <source>Input network: the device&apos;s port 1 to the generator</source>
        <translation>输入网络：器件端口 1 到信号源</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>K = %1   |delta| = %2   %3 = %4 dB
</source>
        <translation>K = %1   |delta| = %2   %3 = %4 dB
</translation>
    </message>
    <message>
        <source>MAG</source>
        <translation>MAG</translation>
    </message>
    <message>
        <source>MSG</source>
        <translation>MSG</translation>
    </message>
    <message>
        <source>Unconditionally stable: simultaneous conjugate match, </source>
        <translation>无条件稳定：同时共轭匹配，</translation>
    </message>
    <message>
        <source>
On the %1 dB gain circle: </source>
        <translation>
在 %1 dB 增益圆上：</translation>
    </message>
    <message>
        <source>Gamma S = %1, Gamma L = %2 (against %3 Ohm)</source>
        <translation>Gamma S = %1，Gamma L = %2（相对 %3 Ohm）</translation>
    </message>
    <message>
        <source>GT at %1Hz = %2 dB  (%3 %4 dB)</source>
        <translation>%1Hz 处 GT = %2 dB  （%3 %4 dB）</translation>
    </message>
    <message>
        <source>aimed at</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Choose an output and an input network.</source>
        <translation>请选择输出网络和输入网络。</translation>
    </message>
</context>
<context>
    <name>Block</name>
    <message>
        <source>no frequencies</source>
        <translation>无频率</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
</context>
<context>
    <name>BlockDialog</name>
    <message>
        <source>File: %1</source>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>Measured: %1, %2 frequencies</source>
        <translation>测量：%1，%2 个频点</translation>
    </message>
    <message>
        <source>Reference impedance: %1 Ohm</source>
        <translation>参考阻抗：%1 Ohm</translation>
    </message>
    <message>
        <source>Noise data: none</source>
        <translation>噪声数据：无</translation>
    </message>
    <message>
        <source>Noise data: %1 frequencies, %2</source>
        <translation>噪声数据：%1 个频点，%2</translation>
    </message>
    <message>
        <source>At the design frequency %1 (as placed): S11 %2, S21 %3%4</source>
        <translation>在设计频率 %1（放置时）：S11 %2，S21 %3%4</translation>
    </message>
    <message>
        <source>No value at the design frequency %1.</source>
        <translation>在设计频率 %1 处无数据。</translation>
    </message>
    <message>
        <source>Two-port block</source>
        <translation>二端口模块</translation>
    </message>
    <message>
        <source>%1Hz to %2Hz</source>
        <translation>%1Hz 至 %2Hz</translation>
    </message>
    <message>
        <source>&amp;Reversed: port 1 towards the load, port 2 towards the generator</source>
        <translation>反向(&amp;R)：端口 1 朝向负载，端口 2 朝向信号源</translation>
    </message>
    <message>
        <source>As measured, port 2 faces the load (the chain so far) and port 1 the generator.</source>
        <translation>按测量方向，端口 2 朝向负载（已有的网络链），端口 1 朝向信号源。</translation>
    </message>
</context>
<context>
    <name>BroadbandDialog</name>
    <message>
        <source>Broadband match</source>
        <translation>宽带匹配</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>负载</translation>
    </message>
    <message>
        <source>&amp;Data points of the design</source>
        <translation>设计中的数据点(&amp;D)</translation>
    </message>
    <message>
        <source>One-port &amp;file</source>
        <translation>单端口文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Source and band</source>
        <translation>源与频带</translation>
    </message>
    <message>
        <source>&amp;Zo (%1 Ohm)</source>
        <translation>&amp;Zo（%1 Ohm）</translation>
    </message>
    <message>
        <source>&amp;Resistance</source>
        <translation>电阻(&amp;R)</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>源</translation>
    </message>
    <message>
        <source>F&amp;rom</source>
        <translation>从(&amp;R)</translation>
    </message>
    <message>
        <source>E&amp;venly spaced frequencies</source>
        <translation>等间隔频点(&amp;V)</translation>
    </message>
    <message>
        <source>The load&apos;s &amp;own frequencies</source>
        <translation>负载自身的频点(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Weight of |Γ| at the lower edge</source>
        <translation>下边缘 |Γ| 的权重(&amp;W)</translation>
    </message>
    <message>
        <source>at the upper edge</source>
        <translation>上边缘</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Ladders of up to</source>
        <translation>梯形网络，最多</translation>
    </message>
    <message>
        <source>&amp;Lines and stubs, Zc from</source>
        <translation>传输线和短截线(&amp;L)，Zc 从</translation>
    </message>
    <message>
        <source>elements of L and C</source>
        <translation>个 L、C 元件</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>搜索(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Lines and stubs, Zc</source>
        <translation>传输线和短截线(&amp;L)，Zc</translation>
    </message>
    <message>
        <source>Up to</source>
        <translation>最多</translation>
    </message>
    <message>
        <source>Network (from the load)</source>
        <translation>网络（从负载起）</translation>
    </message>
    <message>
        <source>Worst RL</source>
        <translation>最差回波损耗</translation>
    </message>
    <message>
        <source>Below limit</source>
        <translation>低于极限</translation>
    </message>
    <message>
        <source>With the part l&amp;osses of Options &gt; Part Losses</source>
        <translation>计入“选项 &gt; 元件损耗”中的损耗(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>One-port load</source>
        <translation>单端口负载</translation>
    </message>
    <message>
        <source>One-port S-Files (*.s1p *.S1P)</source>
        <translation>单端口 S 参数文件 (*.s1p *.S1P)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Choose a one-port file (Browse...).</source>
        <translation>请选择单端口文件（浏览...）。</translation>
    </message>
    <message>
        <source>%1 frequencies, %2 to %3</source>
        <translation>%1 个频点，%2 至 %3</translation>
    </message>
    <message>
        <source>, through the chain drawn so far</source>
        <translation>，经过已绘制的网络链</translation>
    </message>
    <message>
        <source>The source resistance must lie above 0 and up to %1.</source>
        <translation>源电阻必须大于 0 且不超过 %1。</translation>
    </message>
    <message>
        <source>The line impedances must satisfy 0 &lt; from &lt;= to &lt;= %1.</source>
        <translation>传输线阻抗必须满足 0 &lt; 起始值 &lt;= 终止值 &lt;= %1。</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>正在搜索...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Search cancelled: the rows show the best found until then. </source>
        <translation>搜索已取消：列表显示此前找到的最佳结果。</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>  best</source>
        <translation>  最佳</translation>
    </message>
    <message>
        <source>
The load alone: worst return loss %1 dB. Lines in wavelengths at %2Hz.</source>
        <translation>
仅负载：最差回波损耗 %1 dB。传输线长度以 %2Hz 处的波长计。</translation>
    </message>
    <message>
        <source>worst RL %1 dB (ideal parts %2 dB)</source>
        <translation>最差回波损耗 %1 dB（理想元件 %2 dB）</translation>
    </message>
    <message>
        <source>Search first, then choose a network.</source>
        <translation>请先搜索，再选择网络。</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Ladders of %1 element: %2 of %3
Best worst-case return loss so far: %4 dB</source>
        <translation>%1 个元件的梯形网络：%2 / %3
目前最佳的最差回波损耗：%4 dB</translation>
    </message>
    <message>
        <source>Ladders of %1 elements: %2 of %3
Best worst-case return loss so far: %4 dB</source>
        <translation>%1 个元件的梯形网络：%2 / %3
目前最佳的最差回波损耗：%4 dB</translation>
    </message>
    <message>
        <source>No ladder of %1 elements does better than this one of %2.</source>
        <translation>%1 个元件的梯形网络没有比这个 %2 个元件的更好。</translation>
    </message>
</context>
<context>
    <name>BroadbandPlot</name>
    <message>
        <source>Bode-Fano limit %1 dB</source>
        <translation>Bode-Fano 极限 %1 dB</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>W%1: no value</source>
        <translation>W%1：无值</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Ctrl + wheel zooms about the pointer; Shift + drag or the scroll bars pan a zoomed chart</source>
        <translation>Ctrl + 滚轮以指针为中心缩放；Shift + 拖动或滚动条平移放大后的圆图</translation>
    </message>
</context>
<context>
    <name>CircleDialogs</name>
    <message>
        <source>Constant Gain Circles</source>
        <translation>等增益圆</translation>
    </message>
    <message>
        <source>Stability-Circles</source>
        <translation>稳定圆</translation>
    </message>
    <message>
        <source>Stability Circles</source>
        <translation>稳定圆</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>帮助...</translation>
    </message>
    <message>
        <source>input plane</source>
        <translation>输入平面</translation>
    </message>
    <message>
        <source>output plane</source>
        <translation>输出平面</translation>
    </message>
    <message>
        <source>Source side: the reflection coefficient the input sees</source>
        <translation>源端：输入端看到的反射系数</translation>
    </message>
    <message>
        <source>Load side: the reflection coefficient the output sees</source>
        <translation>负载端：输出端看到的反射系数</translation>
    </message>
    <message>
        <source>s-parameter</source>
        <translation>S 参数</translation>
    </message>
    <message>
        <source>Import s-Parameter ...</source>
        <translation>导入 S 参数 ...</translation>
    </message>
    <message>
        <source>power gain to show</source>
        <translation>要显示的功率增益</translation>
    </message>
    <message>
        <source>stability factor K:</source>
        <translation>稳定系数 K：</translation>
    </message>
    <message>
        <source>max. power gain Gmax:</source>
        <translation>最大功率增益 Gmax：</translation>
    </message>
    <message>
        <source>power gain P to show [dB]:</source>
        <translation>要显示的功率增益 P [dB]：</translation>
    </message>
    <message>
        <source>constant noise figure NF</source>
        <translation>等噪声系数 NF</translation>
    </message>
    <message>
        <source>minimum noise figure NFmin [dB]</source>
        <translation>最小噪声系数 NFmin [dB]</translation>
    </message>
    <message>
        <source>reflection coefficient corresponding to NFmin</source>
        <translation>对应 NFmin 的反射系数</translation>
    </message>
    <message>
        <source>equivalent input noise resistance</source>
        <translation>等效输入噪声电阻</translation>
    </message>
    <message>
        <source>not normalized</source>
        <translation>未归一化</translation>
    </message>
    <message>
        <source>Noise figure NF to show [dB]</source>
        <translation>要显示的噪声系数 NF [dB]</translation>
    </message>
    <message>
        <source>rn (to Zo)</source>
        <translation>rn（对 Zo）</translation>
    </message>
    <message>
        <source>Rn [Ohm]</source>
        <translation>Rn [Ohm]</translation>
    </message>
    <message>
        <source>polar</source>
        <translation>极坐标</translation>
    </message>
    <message>
        <source>cartesian</source>
        <translation>直角坐标</translation>
    </message>
    <message>
        <source>normalized</source>
        <translation>归一化</translation>
    </message>
    <message>
        <source>NORMALIZE</source>
        <translation>归一化</translation>
    </message>
    <message>
        <source>NOT NORMALIZE</source>
        <translation>不归一化</translation>
    </message>
    <message>
        <source>Write the values normalised to the reference impedance,
or in ohm and siemens?</source>
        <translation>按参考阻抗归一化写出数值，
还是以 Ohm 和 Siemens 写出？</translation>
    </message>
    <message>
        <source>mag</source>
        <translation>幅度</translation>
    </message>
    <message>
        <source>angel [°]</source>
        <translation>角度 [°]</translation>
    </message>
    <message>
        <source>Open file in S-Plot mode to see list of noise parameters</source>
        <translation>在 S-Plot 模式下打开文件即可看到噪声参数列表</translation>
    </message>
</context>
<context>
    <name>ClipboardDialog</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Zelvo Chart</source>
        <translation>Zelvo 圆图</translation>
    </message>
    <message>
        <source>Schematic</source>
        <translation>原理图</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>use screen colors</source>
        <translation>使用屏幕颜色</translation>
    </message>
    <message>
        <source>black and white</source>
        <translation>黑白</translation>
    </message>
</context>
<context>
    <name>ColoursDialog</name>
    <message>
        <source>Z-Plane</source>
        <translation>Z 平面</translation>
    </message>
    <message>
        <source>Y-Plane</source>
        <translation>Y 平面</translation>
    </message>
    <message>
        <source>Data points</source>
        <translation>数据点</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>元件</translation>
    </message>
    <message>
        <source>Q-ellipses</source>
        <translation>Q 值轮廓</translation>
    </message>
    <message>
        <source>Stability-circles</source>
        <translation>稳定圆</translation>
    </message>
    <message>
        <source>Gain-circles</source>
        <translation>增益圆</translation>
    </message>
    <message>
        <source>VSWR-circles</source>
        <translation>驻波比圆</translation>
    </message>
    <message>
        <source>Wideband-lines</source>
        <translation>宽带曲线</translation>
    </message>
    <message>
        <source>Noise-circles</source>
        <translation>噪声圆</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Click to choose the colour</source>
        <translation>单击选择颜色</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1, one-port file</source>
        <translation>%1，单端口文件</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 无法打开</translation>
    </message>
    <message>
        <source>%1 is not a Zelvo design file</source>
        <translation>%1 不是 Zelvo 设计文件</translation>
    </message>
    <message>
        <source>%1, %2 data points through %3 element</source>
        <translation>%1，%2 个数据点，经过 %3 个元件</translation>
    </message>
    <message>
        <source>%1, %2 data points through %3 elements</source>
        <translation>%1，%2 个数据点，经过 %3 个元件</translation>
    </message>
    <message>
        <source>   &lt;- best</source>
        <translation>   &lt;- 最佳</translation>
    </message>
    <message>
        <source>Without a network: worst RL %1 dB.</source>
        <translation>不加网络：最差回波损耗 %1 dB。</translation>
    </message>
    <message>
        <source>Return loss of the best network (%1 element):</source>
        <translation>最佳网络（%1 个元件）的回波损耗：</translation>
    </message>
    <message>
        <source>Return loss of the best network (%1 elements):</source>
        <translation>最佳网络（%1 个元件）的回波损耗：</translation>
    </message>
    <message>
        <source>--band needs two frequencies such as 14M or 14350000, not &apos;%1&apos; &apos;%2&apos;</source>
        <translation>--band 需要两个频率，例如 14M 或 14350000，而不是 &apos;%1&apos; &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--max-elements must be a whole number from 1 to %1 with --lines, not &apos;%2&apos;</source>
        <translation>使用 --lines 时 --max-elements 必须是 1 到 %1 的整数，而不是 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--max-elements must be a whole number from 1 to %1, not &apos;%2&apos;</source>
        <translation>--max-elements 必须是 1 到 %1 的整数，而不是 &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--points must be a whole number from %1 to %2, not &apos;%3&apos;</source>
        <translation>--points 必须是 %1 到 %2 的整数，而不是 &apos;%3&apos;</translation>
    </message>
    <message>
        <source>--source must be a resistance above 0 Ohm, not &apos;%1&apos;</source>
        <translation>--source 必须是大于 0 Ohm 的电阻，而不是 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Load: %1, %2 to %3</source>
        <translation>负载：%1，%2 至 %3</translation>
    </message>
    <message>
        <source>Source %1 Ohm; band %2 to %3 at %4 frequencies; ladders of up to %5 elements with lines and stubs (%6 searched); lines in wavelengths at %7.</source>
        <translation>源 %1 Ohm；频带 %2 至 %3，共 %4 个频率；最多 %5 个元件的梯形网络，含传输线和短截线（已搜索 %6 种）；传输线长度以 %7 处的波长计。</translation>
    </message>
    <message>
        <source>Source %1 Ohm; band %2 to %3 at %4 frequencies; ladders of up to %5 elements of L and C (%6 searched); lines in wavelengths at %7.</source>
        <translation>源 %1 Ohm；频带 %2 至 %3，共 %4 个频率；最多 %5 个元件的 L、C 梯形网络（已搜索 %6 种）；传输线长度以 %7 处的波长计。</translation>
    </message>
    <message>
        <source>Writes two-port data as an H-, Z-, Y- or A-parameter file,
as the Export menu does.</source>
        <translation>将二端口数据写为 H、Z、Y 或 A 参数文件，
与“导出”菜单相同。</translation>
    </message>
    <message>
        <source>Values normalised to the reference impedance.</source>
        <translation>数值按参考阻抗归一化。</translation>
    </message>
    <message>
        <source>Writes the matching network of a design as a netlist.</source>
        <translation>将设计的匹配网络写为网表。</translation>
    </message>
    <message>
        <source>An ngspice subcircuit instead of the MMICAD netlist.</source>
        <translation>写 ngspice 子电路，而不是 MMICAD 网表。</translation>
    </message>
    <message>
        <source>Prints the data point list of a design (the clipboard&apos;s comments text).</source>
        <translation>输出设计的数据点列表（即剪贴板的注释文本）。</translation>
    </message>
    <message>
        <source>Prints K, mu, mu&apos;, MAG and MSG per frequency of a two-port file.</source>
        <translation>逐频率输出二端口文件的 K、mu、mu&apos;、MAG 和 MSG。</translation>
    </message>
    <message>
        <source>Comma-separated values at full precision;
empty where a figure does not exist.</source>
        <translation>以完整精度输出逗号分隔值；
不存在的数值留空。</translation>
    </message>
    <message>
        <source>Writes the chart of a design, as File &gt; Export Picture does,
in the colours and options of the program&apos;s settings.</source>
        <translation>将设计的圆图写为图片，与“文件 &gt; 导出图片”相同，
使用程序设置中的颜色和选项。</translation>
    </message>
    <message>
        <source>The schematic instead of the chart.</source>
        <translation>写原理图而不是圆图。</translation>
    </message>
    <message>
        <source>Writes the matching network of a design without its load as a two-port
Touchstone file (port 1 at the generator, port 2 at the load, RI, Z0 of
the design). Without a sweep: the frequencies of the chain&apos;s two-port
blocks, or else the data points&apos; span widened by 20 % with 401 points.
Frequencies at which a block has no value are left out.</source>
        <translation>将设计的匹配网络（不含负载）写为二端口 Touchstone 文件
（端口 1 在信号源一侧，端口 2 在负载一侧，RI 格式，设计的 Z0）。
未给出扫频时：取链中二端口模块的频率，否则取数据点的频率范围
向两侧各扩展 20 %，共 401 点。
模块无数据的频率不写入。</translation>
    </message>
    <message>
        <source>First frequency (Hz, or with kHz, MHz, GHz).</source>
        <translation>起始频率（Hz，或带 kHz、MHz、GHz）。</translation>
    </message>
    <message>
        <source>Last frequency.</source>
        <translation>终止频率。</translation>
    </message>
    <message>
        <source>Number of frequencies, linear (default 401).</source>
        <translation>频率点数，线性分布（默认 401）。</translation>
    </message>
    <message>
        <source>Searches ladder networks that match a load over a band, as Network &gt; Broadband match
does, and prints the best one for each number of elements with its worst return
loss, its distance from the Bode-Fano limit and its loaded Q. The load is the
design&apos;s data points through its chain, or a one-port file.</source>
        <translation>搜索在一个频带内匹配负载的梯形网络，与“网络 &gt; 宽带匹配”相同，
并按元件数输出最佳网络及其最差回波损耗、与 Bode-Fano 极限的差距
和有载 Q。负载为设计的数据点经过其元件链后的阻抗，或一个单端口文件。</translation>
    </message>
    <message>
        <source>Also lines and open or short stubs (Zc 15 to 150 Ohm).</source>
        <translation>也使用传输线和开路或短路短截线（Zc 15 至 150 Ohm）。</translation>
    </message>
    <message>
        <source>The band (default: the load&apos;s span), in Hz or with a unit:
14M 14.35MHz.</source>
        <translation>频带（默认：负载的频率范围），单位 Hz 或带单位：
14M 14.35MHz。</translation>
    </message>
    <message>
        <source>Ladders of up to N elements, 1 to 8 (5 with --lines);
default 4.</source>
        <translation>梯形网络最多 N 个元件，1 至 8（使用 --lines 时为 5）；
默认 4。</translation>
    </message>
    <message>
        <source>N evenly spaced frequencies, 3 to 1001; default 41.</source>
        <translation>N 个等间隔频率，3 至 1001；默认 41。</translation>
    </message>
    <message>
        <source>The source resistance; default the design&apos;s Zo,
or 50 Ohm for a file.</source>
        <translation>源电阻；默认为设计的 Zo，
文件则为 50 Ohm。</translation>
    </message>
    <message>
        <source>Usage: zelvo [FILE]
       zelvo COMMAND [OPTIONS] ...

Without a command, zelvo opens its window (and FILE: a design *.zvc, or a
Touchstone two-port *.s2p in S-Plot mode).

Commands (no window; errors go to standard error):
  export H|Z|Y|A [--normalize] IN.s2p -o OUT
                      two-port data as H-, Z-, Y- or A-parameter file
  netlist [--spice] DESIGN.zvc -o OUT
                      the matching network as a netlist (--spice: an
                      ngspice subcircuit)
  list DESIGN.zvc     the data point list, as the clipboard&apos;s comments text
  stability IN.s2p [--csv]
                      per frequency K, mu, mu&apos;, MAG and MSG
  picture [--schematic] [--size N] DESIGN.zvc -o OUT.pdf|.svg|.png
                      the chart (or the schematic) as a picture file
  touchstone DESIGN.zvc -o OUT.s2p [--start F --stop F --points N]
                      the matching network as a two-port Touchstone file
  broadband DESIGN.zvc|LOAD.s1p [--band F1 F2] [--max-elements N] [--lines]
                      ladder networks matching the load over the band, with
                      the Bode-Fano limit

zelvo COMMAND --help shows the options of a command;
zelvo --version shows the version and the licence.
</source>
        <translation>用法：zelvo [FILE]
      zelvo COMMAND [OPTIONS] ...

不带命令时，zelvo 打开其窗口（FILE 可为设计文件 *.zvc，或在 S-Plot
模式下打开的 Touchstone 二端口文件 *.s2p）。

命令（不打开窗口；错误写到标准错误输出）：
  export H|Z|Y|A [--normalize] IN.s2p -o OUT
                      将二端口数据写为 H、Z、Y 或 A 参数文件
  netlist [--spice] DESIGN.zvc -o OUT
                      将匹配网络写为网表（--spice：ngspice 子电路）
  list DESIGN.zvc     数据点列表，即剪贴板的注释文本
  stability IN.s2p [--csv]
                      逐频率输出 K、mu、mu&apos;、MAG 和 MSG
  picture [--schematic] [--size N] DESIGN.zvc -o OUT.pdf|.svg|.png
                      将圆图（或原理图）写为图片文件
  touchstone DESIGN.zvc -o OUT.s2p [--start F --stop F --points N]
                      将匹配网络写为二端口 Touchstone 文件
  broadband DESIGN.zvc|LOAD.s1p [--band F1 F2] [--max-elements N] [--lines]
                      在频带内匹配负载的梯形网络，并给出 Bode-Fano 极限

zelvo COMMAND --help 显示命令的选项；
zelvo --version 显示版本和许可证。
</translation>
    </message>
    <message>
        <source>The longer side in pixels, %1 to %2; default %3.
PDF and SVG pages are laid out at %4 dpi: N/%4 inches.</source>
        <translation>长边像素数，%1 至 %2；默认 %3。
PDF 和 SVG 页面按 %4 dpi 排版：N/%4 英寸。</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>显示本帮助。</translation>
    </message>
    <message>
        <source>The file to write.</source>
        <translation>要写入的文件。</translation>
    </message>
    <message>
        <source>Usage: zelvo %1</source>
        <translation>用法：zelvo %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>zelvo: unknown command %1</source>
        <translation>zelvo：未知命令 %1</translation>
    </message>
    <message>
        <source> (did you mean &apos;%1&apos;?)</source>
        <translation>（您是否要用 &apos;%1&apos;？）</translation>
    </message>
    <message>
        <source>zelvo: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); the commands work without one, see zelvo --help</source>
        <translation>zelvo：没有可以打开窗口的显示（DISPLAY 和 WAYLAND_DISPLAY 均未设置）；命令无需显示即可运行，见 zelvo --help</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>missing value after %1</source>
        <translation>%1 后缺少值</translation>
    </message>
    <message>
        <source>the option %1 takes %2 values</source>
        <translation>选项 %1 需要 %2 个值</translation>
    </message>
    <message>
        <source>the option %1 takes no value</source>
        <translation>选项 %1 不带值</translation>
    </message>
    <message>
        <source>%1 argument(s) expected, %2 given</source>
        <translation>需要 %1 个参数，给出了 %2 个</translation>
    </message>
    <message>
        <source>the output file is missing (-o OUT)</source>
        <translation>缺少输出文件（-o OUT）</translation>
    </message>
    <message>
        <source>the parameter kind must be H, Z, Y or A, not %1</source>
        <translation>参数类型必须是 H、Z、Y 或 A，而不是 %1</translation>
    </message>
    <message>
        <source>the output file must end in .pdf, .svg or .png, not %1</source>
        <translation>输出文件必须以 .pdf、.svg 或 .png 结尾，而不是 %1</translation>
    </message>
    <message>
        <source>the size must be a whole number from %1 to %2, not %3</source>
        <translation>尺寸必须是 %1 到 %2 的整数，而不是 %3</translation>
    </message>
    <message>
        <source>Try &apos;zelvo %1 --help&apos;.</source>
        <translation>请参阅 &apos;zelvo %1 --help&apos;。</translation>
    </message>
    <message>
        <source>%1 holds a value the program does not accept</source>
        <translation>%1 含有程序不接受的值</translation>
    </message>
    <message>
        <source>Picture &apos;%1&apos; written</source>
        <translation>已写入图片 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the frequency &apos;%1&apos; is not a number</source>
        <translation>频率 &apos;%1&apos; 不是数字</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Insert two-port block</source>
        <translation>插入二端口模块</translation>
    </message>
    <message>
        <source>Touchstone two-port files (*.s2p *.S2P)</source>
        <translation>Touchstone 二端口文件 (*.s2p *.S2P)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Insert two-port block as element %1</source>
        <translation>插入二端口模块作为元件 %1</translation>
    </message>
    <message>
        <source>Element %1: two-port block</source>
        <translation>元件 %1：二端口模块</translation>
    </message>
    <message>
        <source>Export network as Touchstone</source>
        <translation>将网络导出为 Touchstone</translation>
    </message>
    <message>
        <source>Touchstone two-port files (*.s2p)</source>
        <translation>Touchstone 二端口文件 (*.s2p)</translation>
    </message>
    <message>
        <source>Zelvo-Chart-Files (*.ZVC)</source>
        <translation>Zelvo 圆图文件 (*.ZVC)</translation>
    </message>
    <message>
        <source>MMICAD Circuit (*.mcf)</source>
        <translation>MMICAD 电路 (*.mcf)</translation>
    </message>
    <message>
        <source>MMICAD&amp;Touch.(*.ckt)</source>
        <translation>MMICAD&amp;Touch.(*.ckt)</translation>
    </message>
    <message>
        <source>Netlist Files (*.net)</source>
        <translation>网表文件 (*.net)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Save Netlist</source>
        <translation>保存网表</translation>
    </message>
    <message>
        <source>Save SPICE Netlist</source>
        <translation>保存 SPICE 网表</translation>
    </message>
    <message>
        <source>SPICE Netlist (*.cir)</source>
        <translation>SPICE 网表 (*.cir)</translation>
    </message>
    <message>
        <source>Import one-port data</source>
        <translation>导入单端口数据</translation>
    </message>
    <message>
        <source>One-port S-Files (*.s1p *.S1P)</source>
        <translation>单端口 S 参数文件 (*.s1p *.S1P)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>S-Files (*.S2P)</source>
        <translation>S 参数文件 (*.S2P)</translation>
    </message>
    <message>
        <source>Wideband calculation done.
<byte value="xd"/>No more datapoints possible.</source>
        <translation>宽带计算已完成。
<byte value="xd"/>不能再添加数据点。</translation>
    </message>
    <message>
        <source>Open a file in S-Plot mode first.</source>
        <translation>请先在 S-Plot 模式下打开文件。</translation>
    </message>
    <message>
        <source>Filename of %1-Parameter-File to save</source>
        <translation>保存 %1 参数文件的文件名</translation>
    </message>
    <message>
        <source>%1-Parameter-Files (%2)</source>
        <translation>%1 参数文件 (%2)</translation>
    </message>
</context>
<context>
    <name>ContourDialog</name>
    <message>
        <source>Constant Q - circle</source>
        <translation>等 Q 圆</translation>
    </message>
    <message>
        <source>Constant VSWR - circle</source>
        <translation>等驻波比圆</translation>
    </message>
    <message>
        <source>Delete last </source>
        <translation>删除最后一个</translation>
    </message>
    <message>
        <source>Delete last</source>
        <translation>删除最后一个</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>全部删除</translation>
    </message>
    <message>
        <source>Constant VSWR Circles</source>
        <translation>等驻波比圆</translation>
    </message>
    <message>
        <source>No Q contour is shown.</source>
        <translation>未显示 Q 值轮廓。</translation>
    </message>
    <message>
        <source>No VSWR circle is shown.</source>
        <translation>未显示驻波比圆。</translation>
    </message>
    <message>
        <source>Shown: </source>
        <translation>已显示：</translation>
    </message>
    <message>
        <source>Loaded Q of the contour:</source>
        <translation>轮廓的有载 Q：</translation>
    </message>
    <message>
        <source>VSWR of the circle:</source>
        <translation>圆的驻波比：</translation>
    </message>
    <message>
        <source>Value must be &gt;= 1</source>
        <translation>数值必须 &gt;= 1</translation>
    </message>
    <message>
        <source>Q circle is existing</source>
        <translation>Q 圆已存在</translation>
    </message>
    <message>
        <source>VSWR circle is existing</source>
        <translation>驻波比圆已存在</translation>
    </message>
    <message>
        <source>No more Q circles existing</source>
        <translation>已没有 Q 圆</translation>
    </message>
    <message>
        <source>No more VSWR circles existing</source>
        <translation>已没有驻波比圆</translation>
    </message>
    <message>
        <source>No Q circle existing</source>
        <translation>没有 Q 圆</translation>
    </message>
    <message>
        <source>No VSWR circle existing</source>
        <translation>没有驻波比圆</translation>
    </message>
</context>
<context>
    <name>DataPointDialog</name>
    <message>
        <source>Field must contain value</source>
        <translation>输入框必须填写数值</translation>
    </message>
    <message>
        <source>Data Point</source>
        <translation>数据点</translation>
    </message>
    <message>
        <source>Edit Datapoint Nr. %1</source>
        <translation>编辑数据点 %1</translation>
    </message>
    <message>
        <source>Representation</source>
        <translation>表示方式</translation>
    </message>
    <message>
        <source>impedance (Ohm)</source>
        <translation>阻抗 (Ohm)</translation>
    </message>
    <message>
        <source>admittance (Siemens)</source>
        <translation>导纳 (Siemens)</translation>
    </message>
    <message>
        <source>reflection coefficient</source>
        <translation>反射系数</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>cartesian</source>
        <translation>直角坐标</translation>
    </message>
    <message>
        <source>polar</source>
        <translation>极坐标</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>magnitude: </source>
        <translation>幅度：</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Input of Datapoints</source>
        <translation>输入数据点</translation>
    </message>
    <message>
        <source>Only values &gt; 0 allowed.</source>
        <translation>只允许大于 0 的数值。</translation>
    </message>
</context>
<context>
    <name>DataPointRules</name>
    <message>
        <source>Siemens</source>
        <translation>Siemens</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>angle [°]</source>
        <translation>角度 [°]</translation>
    </message>
    <message>
        <source>magnitude</source>
        <translation>幅度</translation>
    </message>
</context>
<context>
    <name>DialogSupport</name>
    <message>
        <source>The target resistance must lie in the range between 0 and 1E9 Ohm.</source>
        <translation>目标电阻必须在 0 到 1E9 Ohm 之间。</translation>
    </message>
    <message>
        <source>The target reactance must lie in the range between -1E9 and 1E9 Ohm.</source>
        <translation>目标电抗必须在 -1E9 到 1E9 Ohm 之间。</translation>
    </message>
    <message>
        <source>GHz</source>
        <translation>GHz</translation>
    </message>
    <message>
        <source>Field must contain value</source>
        <translation>输入框必须填写数值</translation>
    </message>
</context>
<context>
    <name>ElementLabel</name>
    <message>
        <source>greater than 0</source>
        <translation>大于 0</translation>
    </message>
    <message>
        <source>at least %1</source>
        <translation>至少 %1</translation>
    </message>
    <message>
        <source>%1 and at most %2</source>
        <translation>%1 且至多 %2</translation>
    </message>
    <message>
        <source>series C</source>
        <translation>串联 C</translation>
    </message>
    <message>
        <source>line</source>
        <comment>a transmission line in series</comment>
        <translation>传输线</translation>
    </message>
    <message>
        <source>series R</source>
        <translation>串联 R</translation>
    </message>
    <message>
        <source>series L</source>
        <translation>串联 L</translation>
    </message>
    <message>
        <source>shunt C</source>
        <translation>并联 C</translation>
    </message>
    <message>
        <source>short stub</source>
        <translation>短路短截线</translation>
    </message>
    <message>
        <source>open stub</source>
        <translation>开路短截线</translation>
    </message>
    <message>
        <source>shunt R</source>
        <translation>并联 R</translation>
    </message>
    <message>
        <source>shunt L</source>
        <translation>并联 L</translation>
    </message>
    <message>
        <source>transformer</source>
        <translation>变压器</translation>
    </message>
    <message>
        <source>series RLC (shunt)</source>
        <translation>串联 RLC（并联接入）</translation>
    </message>
    <message>
        <source>parallel RLC (series)</source>
        <translation>并联 RLC（串联接入）</translation>
    </message>
    <message>
        <source>two-port block</source>
        <translation>二端口模块</translation>
    </message>
    <message>
        <source>(no elements needed)</source>
        <translation>（无需元件）</translation>
    </message>
</context>
<context>
    <name>ElementValueDialog</name>
    <message>
        <source>series capacitor</source>
        <translation>串联电容</translation>
    </message>
    <message>
        <source>shunt capacitor</source>
        <translation>并联电容</translation>
    </message>
    <message>
        <source>series inductor</source>
        <translation>串联电感</translation>
    </message>
    <message>
        <source>shunt inductor</source>
        <translation>并联电感</translation>
    </message>
    <message>
        <source>series resistor</source>
        <translation>串联电阻</translation>
    </message>
    <message>
        <source>shunt resistor</source>
        <translation>并联电阻</translation>
    </message>
    <message>
        <source>series line</source>
        <translation>串联传输线</translation>
    </message>
    <message>
        <source>shorted stub</source>
        <translation>短路短截线</translation>
    </message>
    <message>
        <source>open stub</source>
        <translation>开路短截线</translation>
    </message>
    <message>
        <source>R, L, C in series, connected in shunt</source>
        <translation>R、L、C 串联后并联接入</translation>
    </message>
    <message>
        <source>R, L, C in parallel, inserted in series</source>
        <translation>R、L、C 并联后串联接入</translation>
    </message>
    <message>
        <source>two-port block</source>
        <translation>二端口模块</translation>
    </message>
    <message>
        <source>Edit Element value</source>
        <translation>编辑元件值</translation>
    </message>
    <message>
        <source>Line length:</source>
        <translation>线长：</translation>
    </message>
    <message>
        <source>Er:</source>
        <translation>Er：</translation>
    </message>
    <message>
        <source>Line impedance:</source>
        <translation>传输线阻抗：</translation>
    </message>
    <message>
        <source>Losses (blank or 0: none)</source>
        <translation>损耗（空白或 0：无）</translation>
    </message>
    <message>
        <source>Element %1: %2</source>
        <translation>元件 %1：%2</translation>
    </message>
    <message>
        <source>Value must be &gt; 0</source>
        <translation>数值必须 &gt; 0</translation>
    </message>
    <message>
        <source>transformer</source>
        <translation>变压器</translation>
    </message>
    <message>
        <source>element</source>
        <comment>an element of unknown kind</comment>
        <translation>元件</translation>
    </message>
    <message>
        <source>&amp;Tolerance:</source>
        <translation>容差(&amp;T)：</translation>
    </message>
</context>
<context>
    <name>FrequencyDialog</name>
    <message>
        <source>Datapoint</source>
        <translation>数据点</translation>
    </message>
    <message>
        <source>Only values &gt; 0 allowed.</source>
        <translation>只允许大于 0 的数值。</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>频率</translation>
    </message>
</context>
<context>
    <name>GainGraph</name>
    <message>
        <source>mu [-] (right scale)</source>
        <translation>mu [-]（右侧刻度）</translation>
    </message>
    <message>
        <source>mu&apos; [-] (right scale)</source>
        <translation>mu&apos; [-]（右侧刻度）</translation>
    </message>
</context>
<context>
    <name>GainTable</name>
    <message>
        <source>Freq.</source>
        <translation>f</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Zelvo Help</source>
        <translation>Zelvo 帮助</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Getting started</source>
        <translation>入门</translation>
    </message>
    <message>
        <source>Input of data points</source>
        <translation>输入数据点</translation>
    </message>
    <message>
        <source>Editing data points</source>
        <translation>编辑数据点</translation>
    </message>
    <message>
        <source>Input of the network</source>
        <translation>放置元件</translation>
    </message>
    <message>
        <source>Editing element values</source>
        <translation>编辑元件值</translation>
    </message>
    <message>
        <source>Reading the results</source>
        <translation>读数</translation>
    </message>
    <message>
        <source>Q contours and VSWR circles</source>
        <translation>Q 值轮廓和驻波比圆</translation>
    </message>
    <message>
        <source>Wideband evaluation</source>
        <translation>宽带计算</translation>
    </message>
    <message>
        <source>Tuning, matching and optimising</source>
        <translation>调谐、自动匹配和优化</translation>
    </message>
    <message>
        <source>Broadband matching</source>
        <translation>宽带匹配</translation>
    </message>
    <message>
        <source>Undo and redo</source>
        <translation>撤销和重做</translation>
    </message>
    <message>
        <source>Files and netlists</source>
        <translation>文件和网表</translation>
    </message>
    <message>
        <source>Copying to the clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Options, colours and zoom</source>
        <translation>选项、颜色和缩放</translation>
    </message>
    <message>
        <source>S-Plot mode</source>
        <translation>S-Plot 模式</translation>
    </message>
    <message>
        <source>Stability, gain and noise circles</source>
        <translation>稳定圆、增益圆和噪声圆</translation>
    </message>
    <message>
        <source>Keys and mouse buttons</source>
        <translation>按键和鼠标按钮</translation>
    </message>
    <message>
        <source>Limits and messages</source>
        <translation>限制和消息</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The folder of the help pages in this language; &quot;en&quot; for the English ones.</extracomment>
        <translation>zh_CN</translation>
    </message>
    <message>
        <source>Standard values and tolerances</source>
        <translation>标准值和容差</translation>
    </message>
    <message>
        <source>Frequency response and amplifiers</source>
        <translation>频率响应和放大器</translation>
    </message>
</context>
<context>
    <name>InputDeviceDialog</name>
    <message>
        <source>Input Device</source>
        <translation>输入方式</translation>
    </message>
    <message>
        <source>Enter the data point with:</source>
        <translation>输入数据点的方式：</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>S11 from S-Plot</source>
        <translation>取自 S-Plot 的 S11</translation>
    </message>
    <message>
        <source>S22 from S-Plot</source>
        <translation>取自 S-Plot 的 S22</translation>
    </message>
</context>
<context>
    <name>LineImpedanceDialog</name>
    <message>
        <source>Line impedance</source>
        <translation>传输线阻抗</translation>
    </message>
    <message>
        <source>Ohms:</source>
        <translation>Ohm：</translation>
    </message>
    <message>
        <source>Er:</source>
        <translation>Er：</translation>
    </message>
    <message>
        <source>Value must be &gt; 0</source>
        <translation>数值必须 &gt; 0</translation>
    </message>
    <message>
        <source>Value must be &gt;= 1</source>
        <translation>数值必须 &gt;= 1</translation>
    </message>
</context>
<context>
    <name>LineWidthDialog</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Width of drawing lines (1 ... 9):</source>
        <translation>绘图线宽（1 ... 9）：</translation>
    </message>
    <message>
        <source>Value must in range from 1 to 9</source>
        <translation>数值必须在 1 到 9 之间</translation>
    </message>
</context>
<context>
    <name>LossFields</name>
    <message>
        <source>Loss:</source>
        <translation>损耗：</translation>
    </message>
    <message>
        <source>dB/λ at f0</source>
        <translation>dB/λ（f0 处）</translation>
    </message>
    <message>
        <source>at:</source>
        <translation>频率：</translation>
    </message>
    <message>
        <source>Q varies:</source>
        <translation>Q 随频率：</translation>
    </message>
    <message>
        <source>SRF:</source>
        <translation>SRF：</translation>
    </message>
    <message>
        <source>ESR:</source>
        <translation>ESR：</translation>
    </message>
    <message>
        <source>A constant series resistance, instead of a Q</source>
        <translation>恒定串联电阻，代替 Q 值</translation>
    </message>
    <message>
        <source>ESL:</source>
        <translation>ESL：</translation>
    </message>
    <message>
        <source>Series inductance of the capacitor</source>
        <translation>电容的串联电感</translation>
    </message>
    <message>
        <source>dB per wavelength</source>
        <translation>dB 每波长</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>constant</source>
        <translation>恒定</translation>
    </message>
    <message>
        <source>Loss per wavelength at the design frequency; it grows as the square root of frequency</source>
        <translation>设计频率处每波长的损耗；随频率的平方根增长</translation>
    </message>
    <message>
        <source>How Q changes with frequency from its value at the reference frequency</source>
        <translation>Q 值如何从参考频率处的值随频率变化</translation>
    </message>
    <message>
        <source>Self-resonance frequency: a capacitance across the inductor</source>
        <translation>自谐振频率：电感两端的并联电容</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Schematic</source>
        <translation>原理图</translation>
    </message>
    <message>
        <source>Data Points</source>
        <translation>数据点</translation>
    </message>
    <message>
        <source>Zelvo-Chart </source>
        <translation>Zelvo 圆图 </translation>
    </message>
    <message>
        <source>Zelvo-Chart, s-Plot - Mode</source>
        <translation>Zelvo 圆图，S-Plot 模式</translation>
    </message>
    <message>
        <source>Zelvo.exe is still running. Impossible to run twice.</source>
        <translation>Zelvo 已在运行，不能同时运行两个。</translation>
    </message>
    <message>
        <source>Input RL spread</source>
        <translation>输入回波损耗分布</translation>
    </message>
    <message>
        <source>Zelvo-Chart, s-Plot - Mode    </source>
        <translation>Zelvo 圆图，S-Plot 模式    </translation>
    </message>
</context>
<context>
    <name>MatchDialog</name>
    <message>
        <source>Match automatically</source>
        <translation>自动匹配</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>&amp;Zo (%1 Ohm)</source>
        <translation>&amp;Zo（%1 Ohm）</translation>
    </message>
    <message>
        <source>&amp;Impedance  R</source>
        <translation>阻抗(&amp;I)  R</translation>
    </message>
    <message>
        <source>&amp;Conjugate of data point</source>
        <translation>数据点的共轭(&amp;C)</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>&amp;Line and stub impedance (Ohm)</source>
        <translation>传输线和短截线阻抗 (Ohm)(&amp;L)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Elements (from the load)</source>
        <translation>元件（从负载起）</translation>
    </message>
    <message>
        <source>Worst RL</source>
        <translation>最差回波损耗</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>Target R: </source>
        <translation>目标 R：</translation>
    </message>
    <message>
        <source>Target X: </source>
        <translation>目标 X：</translation>
    </message>
    <message>
        <source>From  Z = %1  at  %2Hz</source>
        <translation>起点  Z = %1  频率  %2Hz</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>Line and stub impedance: </source>
        <translation>传输线和短截线阻抗：</translation>
    </message>
    <message>
        <source>
Networks with lines and stubs are not listed.</source>
        <translation>
不列出含传输线和短截线的网络。</translation>
    </message>
    <message>
        <source>L-network</source>
        <translation>L 型网络</translation>
    </message>
    <message>
        <source>Shunt stub</source>
        <translation>并联短截线</translation>
    </message>
    <message>
        <source>Line + series</source>
        <translation>传输线 + 串联元件</translation>
    </message>
    <message>
        <source>Quarter wave</source>
        <translation>四分之一波长</translation>
    </message>
    <message>
        <source>Standard &amp;values of series</source>
        <translation>取标准值系列(&amp;V)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Import one-port data...</source>
        <translation>导入单端口数据(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>保存(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save Net&amp;list</source>
        <translation>保存网表(&amp;L)</translation>
    </message>
    <message>
        <source>Save SPI&amp;CE Netlist...</source>
        <translation>保存 SPICE 网表(&amp;C)...</translation>
    </message>
    <message>
        <source>Printer s&amp;etup...</source>
        <translation>打印机设置(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Expor&amp;t Picture...</source>
        <translation>导出图片(&amp;T)...</translation>
    </message>
    <message>
        <source>Export net&amp;work as Touchstone...</source>
        <translation>将网络导出为 Touchstone(&amp;W)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy...	Ctrl+C</source>
        <translation>复制(&amp;C)...	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Undo	Del</source>
        <translation>撤销(&amp;U)	Del</translation>
    </message>
    <message>
        <source>&amp;Redo	Ins</source>
        <translation>重做(&amp;R)	Ins</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>模式(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Zelvo-Chart</source>
        <translation>Zelvo 圆图(&amp;Z)</translation>
    </message>
    <message>
        <source>S-&amp;Plot</source>
        <translation>S-Plot(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Circles</source>
        <translation>圆(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Stability circles...</source>
        <translation>稳定圆(&amp;S)...</translation>
    </message>
    <message>
        <source>constant &amp;gain...</source>
        <translation>等增益圆(&amp;G)...</translation>
    </message>
    <message>
        <source>constant &amp;noise figure...</source>
        <translation>等噪声系数圆(&amp;N)...</translation>
    </message>
    <message>
        <source>constant &amp;Q...</source>
        <translation>等 Q 圆(&amp;Q)...</translation>
    </message>
    <message>
        <source>&amp;VSWR...</source>
        <translation>驻波比圆(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>网络(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Wideband	Ctrl+W</source>
        <translation>宽带(&amp;W)	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Match automatically...	Ctrl+M</source>
        <translation>自动匹配(&amp;M)...	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Broadband match...</source>
        <translation>宽带匹配(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Optimize...</source>
        <translation>优化(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Standard values...</source>
        <translation>标准值(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Tolerance analysis...</source>
        <translation>容差分析(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Insert two-port block...</source>
        <translation>插入二端口模块(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Z-Chart</source>
        <translation>Z 圆图(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Y-Chart</source>
        <translation>Y 圆图(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Labels	Ctrl+L</source>
        <translation>标注(&amp;L)	Ctrl+L</translation>
    </message>
    <message>
        <source>Ch&amp;art Labeling</source>
        <translation>圆图刻度(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Message Beep</source>
        <translation>消息提示音(&amp;M)</translation>
    </message>
    <message>
        <source>Connect &amp;Datapoints</source>
        <translation>连接数据点(&amp;D)</translation>
    </message>
    <message>
        <source>C&amp;olors...</source>
        <translation>颜色(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Change Zo...</source>
        <translation>更改 Zo(&amp;C)...</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>&amp;Part Losses...</source>
        <translation>元件损耗(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>缩放(&amp;Z)</translation>
    </message>
    <message>
        <source>Zoom &amp;in	Ctrl+I</source>
        <translation>放大(&amp;I)	Ctrl+I</translation>
    </message>
    <message>
        <source>Zoom &amp;out	Ctrl+O</source>
        <translation>缩小(&amp;O)	Ctrl+O</translation>
    </message>
    <message>
        <source>Zoom &amp;value	Ctrl+V</source>
        <translation>缩放倍数(&amp;V)	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Redraw</source>
        <translation>重绘(&amp;R)</translation>
    </message>
    <message>
        <source>Zoom &amp;Fit</source>
        <translation>适合窗口(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>导出(&amp;X)</translation>
    </message>
    <message>
        <source>s- to &amp;H-parameter - file</source>
        <translation>S 参数转 H 参数文件(&amp;H)</translation>
    </message>
    <message>
        <source>s- to &amp;Z-parameter - file</source>
        <translation>S 参数转 Z 参数文件(&amp;Z)</translation>
    </message>
    <message>
        <source>s- to &amp;Y-parameter - file</source>
        <translation>S 参数转 Y 参数文件(&amp;Y)</translation>
    </message>
    <message>
        <source>s- to &amp;A-parameter - file</source>
        <translation>S 参数转 A 参数文件(&amp;A)</translation>
    </message>
    <message>
        <source>s&amp;11 to zelvo chart</source>
        <translation>S11 转入 Zelvo 圆图(&amp;1)</translation>
    </message>
    <message>
        <source>s&amp;22 to zelvo chart</source>
        <translation>S22 转入 Zelvo 圆图(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Arrange all</source>
        <translation>全部排列(&amp;A)</translation>
    </message>
    <message>
        <source>Arrange &amp;Plots</source>
        <translation>排列曲线图(&amp;P)</translation>
    </message>
    <message>
        <source>&lt;unnamed&gt;</source>
        <translation>&lt;未命名&gt;</translation>
    </message>
    <message>
        <source>gain &amp;table</source>
        <translation>增益表(&amp;T)</translation>
    </message>
    <message>
        <source>gain &amp;graphs</source>
        <translation>增益曲线(&amp;G)</translation>
    </message>
    <message>
        <source>T&amp;uner</source>
        <translation>调谐器(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help...	F1</source>
        <translation>帮助(&amp;H)...	F1</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>La&amp;nguage</source>
        <translation>语言 Language(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>跟随系统(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Match &amp;amplifier...</source>
        <translation>放大器匹配(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Frequency response</source>
        <translation>频率响应(&amp;F)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Maximum number of %i datapoints exceeded!
<byte value="xd"/>No more datapoints possible.</source>
        <translation>已超过最多 %i 个数据点！
<byte value="xd"/>不能再添加数据点。</translation>
    </message>
    <message>
        <source>Max. Number of %i elements exceeded!</source>
        <translation>已超过最多 %i 个元件！</translation>
    </message>
    <message>
        <source>Max. Number of %i Q-ellipses exceeded!</source>
        <translation>已超过最多 %i 个 Q 值轮廓！</translation>
    </message>
    <message>
        <source>Max. number of %i VSWR-ellipses exceeded!</source>
        <translation>已超过最多 %i 个驻波比圆！</translation>
    </message>
    <message>
        <source>Max. number of %i stability circles exceeded!</source>
        <translation>已超过最多 %i 个稳定圆！</translation>
    </message>
    <message>
        <source>Max. number of %i const. gain circles exceeded!</source>
        <translation>已超过最多 %i 个等增益圆！</translation>
    </message>
    <message>
        <source>Max. number of %i const. noise figure circles exceeded!</source>
        <translation>已超过最多 %i 个等噪声系数圆！</translation>
    </message>
    <message>
        <source>At minimum one Data-Point necessary.</source>
        <translation>至少需要一个数据点。</translation>
    </message>
    <message>
        <source>Wideband calculation done.
<byte value="xd"/>No more datapoints possible.</source>
        <translation>宽带计算已完成。
<byte value="xd"/>不能再添加数据点。</translation>
    </message>
    <message>
        <source>Wideband calculation done.
<byte value="xd"/>No more elements possible.</source>
        <translation>宽带计算已完成。
<byte value="xd"/>不能再添加元件。</translation>
    </message>
    <message>
        <source>Wideband still calculated.</source>
        <translation>宽带已计算。</translation>
    </message>
    <message>
        <source>Need at least two manual input datapoints
<byte value="xd"/>and one element to calculate wideband.</source>
        <translation>宽带计算至少需要两个手动输入的数据点
<byte value="xd"/>和一个元件。</translation>
    </message>
    <message>
        <source>There are yet data points defined. Impossible to change Zo.</source>
        <translation>已定义数据点，不能更改 Zo。</translation>
    </message>
    <message>
        <source>The undo history is full (%i entries).
<byte value="xd"/>No more changes possible.</source>
        <translation>撤销历史已满（%i 项）。
<byte value="xd"/>不能再做更改。</translation>
    </message>
    <message>
        <source>Incorrect number format.
<byte value="xd"/>Use exponential form only.</source>
        <translation>数字格式不正确。
<byte value="xd"/>请只使用指数形式。</translation>
    </message>
    <message>
        <source>Number too large.
<byte value="xd"/>Use values between -1E308 and 1E308.</source>
        <translation>数字太大。
<byte value="xd"/>请使用 -1E308 到 1E308 之间的数值。</translation>
    </message>
    <message>
        <source>Incorrect file format. Unable
<byte value="xd"/>to read data.</source>
        <translation>文件格式不正确，
<byte value="xd"/>无法读取数据。</translation>
    </message>
    <message>
        <source>Error while writing &apos;zelvo.ini&apos;.</source>
        <translation>写入 &apos;zelvo.ini&apos; 时出错。</translation>
    </message>
    <message>
        <source>Error while writing file &apos;%s&apos;</source>
        <translation>写入文件 &apos;%s&apos; 时出错</translation>
    </message>
    <message>
        <source>Netlist done (&apos;%s&apos;)</source>
        <translation>网表已生成（&apos;%s&apos;）</translation>
    </message>
    <message>
        <source>Error while reading file &apos;%s&apos;</source>
        <translation>读取文件 &apos;%s&apos; 时出错</translation>
    </message>
    <message>
        <source>Nothing to print.
<byte value="xd"/>Check Zelvo Chart, Schematic or Comments.</source>
        <translation>没有要打印的内容。
<byte value="xd"/>请勾选 Zelvo 圆图、原理图或注释。</translation>
    </message>
    <message>
        <source>No s-Parameter file opened.
<byte value="xd"/>Open a file to print its plots.</source>
        <translation>未打开 S 参数文件。
<byte value="xd"/>请先打开文件再打印其曲线图。</translation>
    </message>
    <message>
        <source>The file &apos;%s&apos; no longer exists.
It has been removed from the list of recent files.</source>
        <translation>文件 &apos;%s&apos; 已不存在。
已将其从最近文件列表中删除。</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Error while opening file &apos;%s&apos;</source>
        <translation>打开文件 &apos;%s&apos; 时出错</translation>
    </message>
    <message>
        <source>Would you like to save changes made in &apos;%s&apos;?</source>
        <translation>是否保存对 &apos;%s&apos; 所做的更改？</translation>
    </message>
    <message>
        <source>Unable to initialize printer.<byte value="xd"/>
Check printer setup.</source>
        <translation>无法初始化打印机。<byte value="xd"/>
请检查打印机设置。</translation>
    </message>
    <message>
        <source>No s-Parameter file opened.
<byte value="xd"/>First change to s-Plot and open a file!</source>
        <translation>未打开 S 参数文件。
<byte value="xd"/>请先切换到 S-Plot 模式并打开文件！</translation>
    </message>
    <message>
        <source>Field must contain value</source>
        <translation>输入框必须填写数值</translation>
    </message>
    <message>
        <source>Field for [%1] must contain value</source>
        <translation>[%1] 输入框必须填写数值</translation>
    </message>
    <message>
        <source>Value must lie in the range between %s and %s</source>
        <translation>数值必须在 %s 与 %s 之间</translation>
    </message>
    <message>
        <source>Value must be &gt; 0</source>
        <translation>数值必须 &gt; 0</translation>
    </message>
    <message>
        <source>Value must be &gt;= 1</source>
        <translation>数值必须 &gt;= 1</translation>
    </message>
    <message>
        <source>Value must in range from 1 to 9</source>
        <translation>数值必须在 1 到 9 之间</translation>
    </message>
    <message>
        <source>Only values &gt; 0 allowed.</source>
        <translation>只允许大于 0 的数值。</translation>
    </message>
    <message>
        <source>Only positiv values allowed.</source>
        <translation>只允许正数。</translation>
    </message>
    <message>
        <source>Only positiv real part allowed</source>
        <translation>实部只允许为正</translation>
    </message>
    <message>
        <source>Magnitude must be positiv.</source>
        <translation>幅度必须为正。</translation>
    </message>
    <message>
        <source>Magnitude must lie in the range between 0 and 1</source>
        <translation>幅度必须在 0 到 1 之间</translation>
    </message>
    <message>
        <source>Absolute value (magnitude) exceeds 1</source>
        <translation>绝对值（幅度）超过 1</translation>
    </message>
    <message>
        <source>Absolut value must be in the range between 0 and 1.</source>
        <translation>绝对值必须在 0 到 1 之间。</translation>
    </message>
    <message>
        <source>Only angles in the range between -180° and +180° allowed.</source>
        <translation>只允许 -180° 到 +180° 之间的角度。</translation>
    </message>
    <message>
        <source>Angle must lie in the range between
<byte value="xd"/>+90° and -90°
<byte value="xd"/>resp. +270° and +90°</source>
        <translation>角度必须在
<byte value="xd"/>+90° 到 -90° 之间
<byte value="xd"/>或 +270° 到 +90° 之间</translation>
    </message>
    <message>
        <source>No Q circle existing</source>
        <translation>没有 Q 圆</translation>
    </message>
    <message>
        <source>No VSWR circle existing</source>
        <translation>没有驻波比圆</translation>
    </message>
    <message>
        <source>No more Q circles existing</source>
        <translation>已没有 Q 圆</translation>
    </message>
    <message>
        <source>No more VSWR circles existing</source>
        <translation>已没有驻波比圆</translation>
    </message>
    <message>
        <source>Q circle is existing</source>
        <translation>Q 圆已存在</translation>
    </message>
    <message>
        <source>VSWR circle is existing</source>
        <translation>驻波比圆已存在</translation>
    </message>
    <message>
        <source>Open a file in S-Plot mode first.</source>
        <translation>请先在 S-Plot 模式下打开文件。</translation>
    </message>
    <message>
        <source>Search first, then choose a network.</source>
        <translation>请先搜索，再选择网络。</translation>
    </message>
    <message>
        <source>Check at least one element and one data point.</source>
        <translation>请至少勾选一个元件和一个数据点。</translation>
    </message>
    <message>
        <source>The target resistance must lie in the range between 0 and 1E9 Ohm.</source>
        <translation>目标电阻必须在 0 到 1E9 Ohm 之间。</translation>
    </message>
    <message>
        <source>The target reactance must lie in the range between -1E9 and 1E9 Ohm.</source>
        <translation>目标电抗必须在 -1E9 到 1E9 Ohm 之间。</translation>
    </message>
    <message>
        <source>There is no network to export: the chain has no element.</source>
        <translation>没有可导出的网络：网络链中没有元件。</translation>
    </message>
    <message>
        <source>The start frequency must be greater than 0.</source>
        <translation>起始频率必须大于 0。</translation>
    </message>
    <message>
        <source>The stop frequency must be greater than the start frequency.</source>
        <translation>终止频率必须大于起始频率。</translation>
    </message>
    <message>
        <source>The source resistance must be greater than 0 Ohm.</source>
        <translation>源电阻必须大于 0 Ohm。</translation>
    </message>
    <message>
        <source>The weights must be greater than 0.</source>
        <translation>权重必须大于 0。</translation>
    </message>
    <message>
        <source>The target impedance must have a resistance greater than 0 Ohm.</source>
        <translation>目标阻抗的电阻必须大于 0 Ohm。</translation>
    </message>
    <message>
        <source>The target impedance is too large for any network to reach.</source>
        <translation>目标阻抗太大，任何网络都无法达到。</translation>
    </message>
    <message>
        <source>The start point has no frequency; matching needs one.</source>
        <translation>起点没有频率，匹配需要频率。</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>No file name</source>
        <translation>没有文件名</translation>
    </message>
    <message>
        <source>Not a Touchstone file.</source>
        <translation>不是 Touchstone 文件。</translation>
    </message>
    <message>
        <source>The file holds no data.</source>
        <translation>文件中没有数据。</translation>
    </message>
    <message>
        <source>Data before [Network Data].</source>
        <translation>[Network Data] 之前有数据。</translation>
    </message>
    <message>
        <source>The option line (# ...) must precede [Network Data].</source>
        <translation>选项行（# ...）必须位于 [Network Data] 之前。</translation>
    </message>
    <message>
        <source>This is a one-port file; chart mode reads it with File, Import one-port data.</source>
        <translation>这是单端口文件；请在圆图模式下用“文件 &gt; 导入单端口数据”读取。</translation>
    </message>
    <message>
        <source>The losses of element %i are out of range.</source>
        <translation>元件 %i 的损耗超出范围。</translation>
    </message>
    <message>
        <source>Optimizing needs at least one data point and one element.</source>
        <translation>优化至少需要一个数据点和一个元件。</translation>
    </message>
    <message>
        <source>Give the capacitor either a Q or an ESR, not both.</source>
        <translation>电容只能给定 Q 值或 ESR，不能两者都给。</translation>
    </message>
    <message>
        <source>Tolerance analysis needs at least one data point and one element.</source>
        <translation>容差分析至少需要一个数据点和一个元件。</translation>
    </message>
    <message>
        <source>The chain has no value at any data point&apos;s frequency: a two-port block&apos;s data does not reach them.</source>
        <translation>网络链在所有数据点的频率上都没有数值：二端口模块的数据未覆盖这些频率。</translation>
    </message>
    <message>
        <source>Range of %1 outside the values the element takes.
<byte value="xd"/>Use values %2.</source>
        <translation>%1 的范围超出元件可取的数值。
<byte value="xd"/>请使用 %2 的数值。</translation>
    </message>
    <message>
        <source>Range of %1: the lower end must lie below the upper end.</source>
        <translation>%1 的范围：下限必须小于上限。</translation>
    </message>
    <message>
        <source>The frequency must be a number above 0.</source>
        <translation>频率必须是大于 0 的数字。</translation>
    </message>
    <message>
        <source>This network is for the file&apos;s load. Apply adds the band&apos;s frequencies as data points with the network after them, so it needs a design without data points: start one with File &gt; New, then search and apply again.</source>
        <translation>此网络是针对文件中的负载的。“应用”会把频带的频点作为数据点加入，并在其后接上网络，因此需要一个没有数据点的设计：请用“文件 &gt; 新建”新建设计，然后重新搜索并应用。</translation>
    </message>
    <message>
        <source>Unknown picture format of &apos;%s&apos;.
Use a name ending in .pdf, .svg or .png.</source>
        <translation>未知的图片格式 &apos;%s&apos;。
请使用以 .pdf、.svg 或 .png 结尾的文件名。</translation>
    </message>
    <message>
        <source>The picture size must be between %i and %i pixels.</source>
        <translation>图片尺寸必须在 %i 到 %i 像素之间。</translation>
    </message>
    <message>
        <source>Nothing to export for the %s.</source>
        <translation>%s 没有可导出的内容。</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>无法绘制图片。</translation>
    </message>
    <message>
        <source>%1: Min and Max are numbers, an SI prefix and the unit may follow (2.2n, 2.2 nH).</source>
        <translation>%1：最小值和最大值须为数字，后面可加 SI 词头和单位（2.2n、2.2 nH）。</translation>
    </message>
    <message>
        <source>Value must lie in the range between 0 and 100 % (blank: the series&apos; tolerance)</source>
        <translation>数值必须在 0 到 100 % 之间（空白：使用系列的容差）</translation>
    </message>
    <message>
        <source>Value must be less than 100uF</source>
        <translation>数值必须小于 100uF</translation>
    </message>
    <message>
        <source>Value must be greater than 0.1fF</source>
        <translation>数值必须大于 0.1fF</translation>
    </message>
    <message>
        <source>Value must be greater than 1pH</source>
        <translation>数值必须大于 1pH</translation>
    </message>
    <message>
        <source>Value must be less than 1mH</source>
        <translation>数值必须小于 1mH</translation>
    </message>
    <message>
        <source>The two-port block &apos;%s&apos; has no value at the design
<byte value="xd"/>frequency %sHz: its data cover %s.
<byte value="xd"/>Nothing was placed.</source>
        <translation>二端口模块 &apos;%s&apos; 在设计频率
<byte value="xd"/>%sHz 处没有数值：其数据范围为 %s。
<byte value="xd"/>未放置任何元件。</translation>
    </message>
    <message>
        <source>Standard values need at least one data point and one element.</source>
        <translation>标准值至少需要一个数据点和一个元件。</translation>
    </message>
    <message>
        <source>The point at %1 %2 cannot become a data point:
<byte value="xd"/>its frequency must be &gt; 0 and at most 1000 GHz.</source>
        <translation>%1 %2 处的点不能成为数据点：
<byte value="xd"/>其频率必须大于 0 且不超过 1000 GHz。</translation>
    </message>
    <message>
        <source>%1 of the chosen points cannot become data points:
<byte value="xd"/>a frequency must be &gt; 0 and at most 1000 GHz.</source>
        <translation>所选的点中有 %1 个不能成为数据点：
<byte value="xd"/>频率必须大于 0 且不超过 1000 GHz。</translation>
    </message>
    <message>
        <source>[Reference] needs one positive impedance per port.</source>
        <translation>[Reference] 需要为每个端口给出一个正的阻抗。</translation>
    </message>
    <message>
        <source>The file describes %s ports; only two-port files can be read here.</source>
        <translation>文件描述了 %s 个端口；此处只能读取二端口文件。</translation>
    </message>
    <message>
        <source>Touchstone version &apos;%s&apos; cannot be read.</source>
        <translation>无法读取 Touchstone 版本 &apos;%s&apos;。</translation>
    </message>
    <message>
        <source>[Number of Ports] needs one number.</source>
        <translation>[Number of Ports] 需要一个数字。</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] must be 12_21 or 21_12.</source>
        <translation>[Two-Port Data Order] 必须为 12_21 或 21_12。</translation>
    </message>
    <message>
        <source>A frequency count needs a whole number: &apos;%s&apos;.</source>
        <translation>频点数必须是整数：&apos;%s&apos;。</translation>
    </message>
    <message>
        <source>[Matrix Format] must be Full, Lower or Upper.</source>
        <translation>[Matrix Format] 必须为 Full、Lower 或 Upper。</translation>
    </message>
    <message>
        <source>Mixed-mode files cannot be read; save the data as single-ended S-parameters.</source>
        <translation>无法读取混合模式文件；请将数据另存为单端 S 参数。</translation>
    </message>
    <message>
        <source>[Number of Ports] 2 must precede [Network Data].</source>
        <translation>[Number of Ports] 2 必须位于 [Network Data] 之前。</translation>
    </message>
    <message>
        <source>[Two-Port Data Order] must precede [Network Data].</source>
        <translation>[Two-Port Data Order] 必须位于 [Network Data] 之前。</translation>
    </message>
    <message>
        <source>The network data end inside the values of a frequency (each needs %zu numbers).</source>
        <translation>网络数据在某个频点的数值中间结束（每个频点需要 %zu 个数字）。</translation>
    </message>
    <message>
        <source>Line &apos;%s&apos; holds something other than numbers.</source>
        <translation>行 &apos;%s&apos; 含有数字以外的内容。</translation>
    </message>
    <message>
        <source>The file holds %c-parameters; only S-parameters can be read.</source>
        <translation>文件中是 %c 参数；只能读取 S 参数。</translation>
    </message>
    <message>
        <source>[Number of Ports] is missing.</source>
        <translation>缺少 [Number of Ports]。</translation>
    </message>
    <message>
        <source>[Network Data] is missing.</source>
        <translation>缺少 [Network Data]。</translation>
    </message>
    <message>
        <source>The ports have different reference impedances (%s and %s ohm); only a common one can be used.</source>
        <translation>各端口的参考阻抗不同（%s 和 %s ohm）；只能使用共同的参考阻抗。</translation>
    </message>
    <message>
        <source>[Number of Frequencies] says %ld, but the file holds %d.</source>
        <translation>[Number of Frequencies] 为 %ld，但文件中有 %d 个。</translation>
    </message>
    <message>
        <source>[Number of Noise Frequencies] says %ld, but the file holds %d.</source>
        <translation>[Number of Noise Frequencies] 为 %ld，但文件中有 %d 个。</translation>
    </message>
    <message>
        <source>Too few memory to hold the data of this file.</source>
        <translation>内存不足，无法容纳此文件的数据。</translation>
    </message>
    <message>
        <source>Too few memory to open file &apos;%s&apos;</source>
        <translation>内存不足，无法打开文件 &apos;%s&apos;</translation>
    </message>
    <message>
        <source>The file is larger than %zu bytes</source>
        <translation>文件大于 %zu 字节</translation>
    </message>
    <message>
        <source>Not enough memory to hold the file</source>
        <translation>内存不足，无法容纳该文件</translation>
    </message>
    <message>
        <source>Line %d: &apos;%s&apos;</source>
        <translation>第 %d 行：&apos;%s&apos;</translation>
    </message>
    <message>
        <source>The reference impedance must lie between 0.001 and 1E6 Ohm.</source>
        <translation>参考阻抗必须在 0.001 到 1E6 Ohm 之间。</translation>
    </message>
    <message>
        <source>Line %d: a keyword in a file without [Version].</source>
        <translation>第 %d 行：没有 [Version] 的文件中出现了关键字。</translation>
    </message>
    <message>
        <source>Not a one-port file: [Number of Ports] is %s.</source>
        <translation>不是单端口文件：[Number of Ports] 为 %s。</translation>
    </message>
    <message>
        <source>The file holds %c-parameters; only S-parameters can be imported.</source>
        <translation>文件中是 %c 参数；只能导入 S 参数。</translation>
    </message>
    <message>
        <source>The option line (# GHz S MA R 50) is missing before the data.</source>
        <translation>数据之前缺少选项行（# GHz S MA R 50）。</translation>
    </message>
    <message>
        <source>Line %d holds something other than numbers.</source>
        <translation>第 %d 行含有数字以外的内容。</translation>
    </message>
    <message>
        <source>Line %d holds %zu numbers; a one-port line has 3 (frequency and S11).</source>
        <translation>第 %d 行有 %zu 个数字；单端口数据行应有 3 个（频率和 S11）。</translation>
    </message>
    <message>
        <source>The data end inside a frequency point.</source>
        <translation>数据在某个频点中间结束。</translation>
    </message>
    <message>
        <source>Not a Touchstone file: no option line (# GHz S MA R 50).</source>
        <translation>不是 Touchstone 文件：没有选项行（# GHz S MA R 50）。</translation>
    </message>
    <message>
        <source>The frequency must be &gt; 0 and at most 1000 GHz.</source>
        <translation>频率必须 &gt; 0 且不超过 1000 GHz。</translation>
    </message>
    <message>
        <source>S11 gives no finite impedance.</source>
        <translation>由 S11 得不到有限的阻抗。</translation>
    </message>
    <message>
        <source>%s, key &quot;%s&quot; (index %d): %s</source>
        <translation>%s，键 &quot;%s&quot;（索引 %d）：%s</translation>
    </message>
    <message>
        <source>%s, key &quot;%s&quot;: %s</source>
        <translation>%s，键 &quot;%s&quot;：%s</translation>
    </message>
    <message>
        <source>%G is outside the accepted range (%s)</source>
        <translation>%G 超出允许范围（%s）</translation>
    </message>
    <message>
        <source>%G is outside the accepted range (modulus &lt;= %G)</source>
        <translation>%G 超出允许范围（模 &lt;= %G）</translation>
    </message>
    <message>
        <source>%G is not a finite number</source>
        <translation>%G 不是有限的数</translation>
    </message>
    <message>
        <source>%s and &lt;= %G</source>
        <translation>%s 且 &lt;= %G</translation>
    </message>
    <message>
        <source>the element kind is missing or unknown</source>
        <translation>元件类型缺失或未知</translation>
    </message>
    <message>
        <source>Data point %d</source>
        <translation>数据点 %d</translation>
    </message>
    <message>
        <source>Element %d</source>
        <translation>元件 %d</translation>
    </message>
    <message>
        <source>Q contour %d</source>
        <translation>Q 值轮廓 %d</translation>
    </message>
    <message>
        <source>VSWR contour %d</source>
        <translation>驻波比轮廓 %d</translation>
    </message>
    <message>
        <source>Stability circle %d</source>
        <translation>稳定圆 %d</translation>
    </message>
    <message>
        <source>Gain circle %d</source>
        <translation>增益圆 %d</translation>
    </message>
    <message>
        <source>Noise circle %d</source>
        <translation>噪声圆 %d</translation>
    </message>
    <message>
        <source>The tolerance of element %i is out of range.</source>
        <translation>元件 %i 的容差超出范围。</translation>
    </message>
    <message>
        <source>The data of the two-port block, element %i, is missing or cannot be read.</source>
        <translation>二端口模块（元件 %i）的数据缺失或无法读取。</translation>
    </message>
    <message>
        <source>The frequencies of a two-port block must rise from line to line;
<byte value="xd"/>this file&apos;s do not at %sHz.</source>
        <translation>二端口模块的频率必须逐行递增；
<byte value="xd"/>此文件在 %sHz 处不是这样。</translation>
    </message>
    <message>
        <source>Match amplifier puts the networks on both sides of the device, so the device must be the chain&apos;s last element.
Undo back to the block, or start from the load alone.</source>
        <translation>放大器匹配会在器件两侧加入网络，因此器件必须是网络链的最后一个元件。
请撤销到该模块，或只从负载开始。</translation>
    </message>
    <message>
        <source>Match amplifier needs a two-port device: insert a block (Network &gt; Insert two-port block...) or open its S-parameter file in S-Plot mode.</source>
        <translation>放大器匹配需要一个二端口器件：请插入一个模块（网络 &gt; 插入二端口模块...），或在 S-Plot 模式下打开其 S 参数文件。</translation>
    </message>
    <message>
        <source>The device is potentially unstable at %sHz: K = %.3f, |delta| = %.3f.
No simultaneous conjugate match exists.</source>
        <translation>器件在 %sHz 处潜在不稳定：K = %.3f，|delta| = %.3f。
不存在双共轭匹配。</translation>
    </message>
    <message>
        <source>The device is potentially unstable at %sHz: K = %.3f, |delta| = %.3f.
No simultaneous conjugate match exists. Choose a gain below MSG = %.2f dB: the networks then keep both ports on the stable side.</source>
        <translation>器件在 %sHz 处潜在不稳定：K = %.3f，|delta| = %.3f。
不存在双共轭匹配。请选择低于 MSG = %.2f dB 的增益：这样网络会使两个端口都处于稳定一侧。</translation>
    </message>
    <message>
        <source>The block has no data.</source>
        <translation>该模块没有数据。</translation>
    </message>
    <message>
        <source>Match amplifier needs a load: enter a data point first.</source>
        <translation>放大器匹配需要负载：请先输入一个数据点。</translation>
    </message>
    <message>
        <source>The device has no data at %sHz: its file covers %s.</source>
        <translation>器件在 %sHz 处没有数据：其文件覆盖 %s。</translation>
    </message>
    <message>
        <source>%sHz to %sHz</source>
        <translation>%sHz 至 %sHz</translation>
    </message>
    <message>
        <source>no frequencies</source>
        <translation>无频率</translation>
    </message>
    <message>
        <source>No termination on the stable side reaches %.2f dB at %sHz. Choose a lower gain.</source>
        <translation>稳定一侧没有任何端接能达到 %.2f dB（%sHz 处）。请选择较低的增益。</translation>
    </message>
    <message>
        <source>The chain before the device has no value at this frequency.</source>
        <translation>器件之前的网络链在此频率上没有数值。</translation>
    </message>
    <message>
        <source>The block at the chain&apos;s end was not the design&apos;s last step, so the output network cannot go before it.
Insert the block again (or Undo back to it) and match again.</source>
        <translation>网络链末端的模块不是设计的最后一步，因此输出网络不能放在它之前。
请重新插入该模块（或撤销到它），然后再次匹配。</translation>
    </message>
    <message>
        <source>Broadband matching needs the load at three or more frequencies; the %s have %zu.</source>
        <translation>宽带匹配需要负载在三个或更多频率上的数据；%s只有 %zu 个。</translation>
    </message>
    <message>
        <source>design&apos;s data points</source>
        <translation>设计的数据点</translation>
    </message>
    <message>
        <source>file&apos;s points</source>
        <translation>文件的频点</translation>
    </message>
    <message>
        <source>The band&apos;s upper frequency must lie above its lower one, both above 0 Hz.</source>
        <translation>频带的上限频率必须高于下限频率，且两者都大于 0 Hz。</translation>
    </message>
    <message>
        <source>The band must lie within the load&apos;s frequencies.</source>
        <translation>频带必须位于负载的频率范围之内。</translation>
    </message>
    <message>
        <source>The band must lie within the load&apos;s frequencies, %s to %s.</source>
        <translation>频带必须位于负载的频率范围 %s 至 %s 之内。</translation>
    </message>
    <message>
        <source>Fewer than two of the load&apos;s frequencies lie in the band; spread the frequencies evenly instead.</source>
        <translation>负载的频点落在频带内的不足两个；请改为均匀分布频点。</translation>
    </message>
    <message>
        <source>The number of frequencies must be from %d to %d.</source>
        <translation>频点数必须在 %d 到 %d 之间。</translation>
    </message>
    <message>
        <source>%d of %zu frequencies left out: the load reflects as much as it receives or more there (|Γ| up to %.4f at %s), which a passive load cannot; no network matches such a point.</source>
        <translation>%d 个（共 %zu 个）频点被略去：负载在那里反射的功率不小于其接收的功率（|Γ| 最大 %.4f，位于 %s），无源负载不可能如此；任何网络都无法匹配这样的点。</translation>
    </message>
    <message>
        <source>Fewer than two frequencies of the band are left to match.</source>
        <translation>频带中剩下可匹配的频点不足两个。</translation>
    </message>
    <message>
        <source>The load is a resistance over the band (within |ΔΓ| 0.001): the Bode-Fano limit sets no bound.</source>
        <translation>负载在频带内为纯电阻（|ΔΓ| 在 0.001 以内）：Bode-Fano 极限不构成限制。</translation>
    </message>
    <message>
        <source>No Bode-Fano limit: the load fits none of the models (R with L or C in series or in parallel, or an RLC resonance) with positive parts over the band.</source>
        <translation>没有 Bode-Fano 极限：在频带内负载不符合任何元件值为正的模型（R 与 L 或 C 串联或并联，或 RLC 谐振）。</translation>
    </message>
    <message>
        <source>Load model, fitted near the band centre: %s, %s; it differs from the load by |ΔΓ| up to %.4f over the band.</source>
        <translation>负载模型（在频带中心附近拟合）：%s，%s；在频带内与负载的差异 |ΔΓ| 最大为 %.4f。</translation>
    </message>
    <message>
        <source>parallel RC</source>
        <translation>并联 RC</translation>
    </message>
    <message>
        <source>series RL</source>
        <translation>串联 RL</translation>
    </message>
    <message>
        <source>series RC</source>
        <translation>串联 RC</translation>
    </message>
    <message>
        <source>parallel RL</source>
        <translation>并联 RL</translation>
    </message>
    <message>
        <source>series RLC</source>
        <translation>串联 RLC</translation>
    </message>
    <message>
        <source>parallel RLC</source>
        <translation>并联 RLC</translation>
    </message>
    <message>
        <source>Bode-Fano limit of this model over %s: above %.0f dB worst-case return loss, no practical bound. The limit holds for the model; the load differs from it by the fit error.</source>
        <translation>此模型在 %s 上的 Bode-Fano 极限：最差回波损耗高于 %.0f dB，实际上没有限制。该极限适用于模型；负载与模型相差拟合误差。</translation>
    </message>
    <message>
        <source>Bode-Fano limit of this model over %s: above %.0f dB worst-case return loss, no practical bound. The limit holds for the model; the load differs from it by the fit error. The fit is poor, so the limit is a rough guide only.</source>
        <translation>此模型在 %s 上的 Bode-Fano 极限：最差回波损耗高于 %.0f dB，实际上没有限制。该极限适用于模型；负载与模型相差拟合误差。拟合较差，因此该极限仅供粗略参考。</translation>
    </message>
    <message>
        <source>Bode-Fano limit of this model over %s: no lossless network reaches more than %.2f dB worst-case return loss (|Γ| %.4f). The limit holds for the model; the load differs from it by the fit error.</source>
        <translation>此模型在 %s 上的 Bode-Fano 极限：任何无损网络的最差回波损耗都不超过 %.2f dB（|Γ| %.4f）。该极限适用于模型；负载与模型相差拟合误差。</translation>
    </message>
    <message>
        <source>Bode-Fano limit of this model over %s: no lossless network reaches more than %.2f dB worst-case return loss (|Γ| %.4f). The limit holds for the model; the load differs from it by the fit error. The fit is poor, so the limit is a rough guide only.</source>
        <translation>此模型在 %s 上的 Bode-Fano 极限：任何无损网络的最差回波损耗都不超过 %.2f dB（|Γ| %.4f）。该极限适用于模型；负载与模型相差拟合误差。拟合较差，因此该极限仅供粗略参考。</translation>
    </message>
    <message>
        <source>The network cannot be exported: the start data point&apos;s frequency
<byte value="xd"/>is not greater than 0.</source>
        <translation>无法导出网络：起始数据点的频率
<byte value="xd"/>不大于 0。</translation>
    </message>
    <message>
        <source>The number of points must be a whole number from 1 to %d.</source>
        <translation>点数必须是 1 到 %d 之间的整数。</translation>
    </message>
    <message>
        <source>Nothing was exported: at none of the sweep&apos;s frequencies does
<byte value="xd"/>%s have a value.</source>
        <translation>未导出任何内容：在扫描的所有频率上，
<byte value="xd"/>%s 都没有数值。</translation>
    </message>
    <message>
        <source>Network exported to &apos;%s&apos;: %d frequencies.</source>
        <translation>网络已导出到 &apos;%s&apos;：%d 个频点。</translation>
    </message>
    <message>
        <source>Network exported to &apos;%s&apos;: %d frequencies,
<byte value="xd"/>%d left out where a block has no value.</source>
        <translation>网络已导出到 &apos;%s&apos;：%d 个频点，
<byte value="xd"/>有 %d 个因模块没有数值而略去。</translation>
    </message>
    <message>
        <source>%c-parameter-file &apos;%s&apos; created</source>
        <translation>已创建 %c 参数文件 &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Value must be &gt;= 0 and &lt;=1</source>
        <translation>数值必须 &gt;= 0 且 &lt;=1</translation>
    </message>
    <message>
        <source>Absolute value must be &lt;=1</source>
        <translation>绝对值必须 &lt;=1</translation>
    </message>
    <message>
        <source>Absolute value must lie in the range between 0 and 1E4</source>
        <translation>绝对值必须在 0 到 1E4 之间</translation>
    </message>
    <message>
        <source>Value must be &gt; 0 and &lt;= 1</source>
        <translation>数值必须 &gt; 0 且 &lt;= 1</translation>
    </message>
    <message>
        <source>Absolute value must be &gt;= 0 and &lt;=1</source>
        <translation>绝对值必须 &gt;= 0 且 &lt;=1</translation>
    </message>
    <message>
        <source>NF to show must be &gt; NFmin</source>
        <translation>要显示的 NF 必须 &gt; NFmin</translation>
    </message>
    <message>
        <source>Value must lie in the range between %s and %s %s</source>
        <translation>数值必须在 %s 与 %s %s 之间</translation>
    </message>
    <message>
        <source>Desired power gain of P = %sdB is bigger than max. possible power gain
<byte value="xd"/>of Gmax = %s. Impossible to show const. gain circle.</source>
        <translation>期望功率增益 P = %sdB 大于最大可能功率增益
<byte value="xd"/>Gmax = %s。无法显示等增益圆。</translation>
    </message>
    <message>
        <source>not defined</source>
        <translation>未定义</translation>
    </message>
    <message>
        <source>Open file in S-Plot mode to see list of noise parameters</source>
        <translation>在 S-Plot 模式下打开文件以查看噪声参数列表</translation>
    </message>
    <message>
        <source>Element %d, the two-port block &apos;%s&apos;, cannot be written:
<byte value="xd"/>ngspice has no element for measured S-parameters.
<byte value="xd"/>Export the network as a Touchstone file instead (File &gt; Export
<byte value="xd"/>network as Touchstone..., or zelvo touchstone): simulators can use it.</source>
        <translation>元件 %d（二端口模块 &apos;%s&apos;）无法写出：
<byte value="xd"/>ngspice 没有用于实测 S 参数的元件。
<byte value="xd"/>请改为将网络导出为 Touchstone 文件（文件 &gt; 导出
<byte value="xd"/>网络为 Touchstone...，或 zelvo touchstone）：仿真器可以使用它。</translation>
    </message>
    <message>
        <source>Element %d, the two-port block &apos;%s&apos;, cannot be written:
<byte value="xd"/>the netlist has no element for measured S-parameters.
<byte value="xd"/>Export the network as a Touchstone file instead (File &gt; Export
<byte value="xd"/>network as Touchstone..., or zelvo touchstone): simulators can use it.</source>
        <translation>元件 %d（二端口模块 &apos;%s&apos;）无法写出：
<byte value="xd"/>网表中没有用于实测 S 参数的元件。
<byte value="xd"/>请改为将网络导出为 Touchstone 文件（文件 &gt; 导出
<byte value="xd"/>网络为 Touchstone...，或 zelvo touchstone）：仿真器可以使用它。</translation>
    </message>
    <message>
        <source>The impedance to be matched is an open circuit (|Γ| = 1).
A lossless network cannot match it.</source>
        <translation>待匹配的阻抗为开路（|Γ| = 1）。
无损网络无法匹配它。</translation>
    </message>
    <message>
        <source>The impedance to be matched has a negative resistance.
A passive network cannot match it.</source>
        <translation>待匹配的阻抗具有负电阻。
无源网络无法匹配它。</translation>
    </message>
    <message>
        <source>The impedance to be matched is lossless (R = 0, |Γ| = 1).
A lossless network cannot match it.</source>
        <translation>待匹配的阻抗无损耗（R = 0，|Γ| = 1）。
无损网络无法匹配它。</translation>
    </message>
</context>
<context>
    <name>NetworkExportDialog</name>
    <message>
        <source>Export network as Touchstone</source>
        <translation>将网络导出为 Touchstone</translation>
    </message>
    <message>
        <source>The &amp;block&apos;s frequencies: %1 from %2 to %3</source>
        <translation>模块的频点(&amp;B)：%1 个，从 %2 到 %3</translation>
    </message>
    <message>
        <source>A &amp;linear sweep:</source>
        <translation>线性扫描(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>起始(&amp;S)：</translation>
    </message>
    <message>
        <source>S&amp;top:</source>
        <translation>终止(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Points:</source>
        <translation>点数(&amp;P)：</translation>
    </message>
    <message>
        <source>The number of points must be a whole number from 1 to %1.</source>
        <translation>点数必须是 1 到 %1 之间的整数。</translation>
    </message>
    <message>
        <source>The chain without its load as a two-port: port 1 at the generator,
port 2 at the load, referenced to Zo = %1 Ohm (version 1, RI).</source>
        <translation>不含负载的网络链作为二端口：端口 1 在信号源侧，
端口 2 在负载侧，参考阻抗 Zo = %1 Ohm（版本 1，RI）。</translation>
    </message>
</context>
<context>
    <name>OptimiseDialog</name>
    <message>
        <source>Optimize</source>
        <translation>优化</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>元件</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>DP %1   %2Hz</source>
        <translation>数据点 %1   %2Hz</translation>
    </message>
    <message>
        <source>   (outside the block&apos;s range)</source>
        <translation>   （超出模块频率范围）</translation>
    </message>
    <message>
        <source>Data points</source>
        <translation>数据点</translation>
    </message>
    <message>
        <source>Target  R</source>
        <translation>目标  R</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>&amp;Optimize</source>
        <translation>优化(&amp;O)</translation>
    </message>
    <message>
        <source>Field must contain value</source>
        <translation>输入框必须填写数值</translation>
    </message>
    <message>
        <source>Check at least one element and one data point.</source>
        <translation>请至少勾选一个元件和一个数据点。</translation>
    </message>
    <message>
        <source>Optimizing...</source>
        <translation>正在优化...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Evaluation %1
Best worst-case return loss: %2 dB</source>
        <translation>第 %1 次计算
最佳的最差回波损耗：%2 dB</translation>
    </message>
    <message>
        <source>No better values found (worst return loss %1 dB).</source>
        <translation>未找到更好的值（最差回波损耗 %1 dB）。</translation>
    </message>
    <message>
        <source>Minimise the worst reflection of the chain&apos;s end against the target over the checked data points, each at its own frequency.</source>
        <translation>在所勾选的数据点上（各自在其频率处），使网络链末端相对目标的最差反射最小。</translation>
    </message>
    <message>
        <source>Round the result to standard &amp;values of series</source>
        <translation>将结果取为标准值系列(&amp;V)</translation>
    </message>
</context>
<context>
    <name>PartLossesDialog</name>
    <message>
        <source>Part Losses</source>
        <translation>元件损耗</translation>
    </message>
    <message>
        <source>Inductors</source>
        <translation>电感</translation>
    </message>
    <message>
        <source>Capacitors</source>
        <translation>电容</translation>
    </message>
    <message>
        <source>Lines and stubs</source>
        <translation>传输线和短截线</translation>
    </message>
    <message>
        <source>Losses of the parts placed from now on (blank or 0: ideal).
A Q without its frequency holds at the design frequency.</source>
        <translation>此后放置的元件的损耗（空白或 0：理想）。
未给频率的 Q 值按设计频率计。</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Export Picture</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source> px</source>
        <translation> 像素</translation>
    </message>
    <message>
        <source>Size (longer side):</source>
        <translation>尺寸（长边）：</translation>
    </message>
    <message>
        <source>PDF and SVG: %1 mm at %2 dpi</source>
        <translation>PDF 和 SVG：%1 mm，%2 dpi</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>SVG Files (*.svg)</source>
        <translation>SVG 文件 (*.svg)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>PNG 文件 (*.png)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>圆图</translation>
    </message>
    <message>
        <source>Schematic</source>
        <translation>原理图</translation>
    </message>
    <message>
        <source>gain graph</source>
        <translation>增益曲线</translation>
    </message>
    <message>
        <source>gain table</source>
        <translation>增益表</translation>
    </message>
    <message>
        <source>Touchstone file</source>
        <translation>Touchstone 文件</translation>
    </message>
    <message>
        <source>frequency response</source>
        <translation>频率响应</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Printer setup</source>
        <translation>打印机设置</translation>
    </message>
</context>
<context>
    <name>PointList</name>
    <message>
        <source>S%1: input plane stability circle; </source>
        <translation>S%1：输入平面稳定圆；</translation>
    </message>
    <message>
        <source>S%1: output plane stability circle; </source>
        <translation>S%1：输出平面稳定圆；</translation>
    </message>
    <message>
        <source>stable inside; </source>
        <translation>圆内稳定；</translation>
    </message>
    <message>
        <source>stable outside; </source>
        <translation>圆外稳定；</translation>
    </message>
    <message>
        <source>G%1: input plane const. gain circle; </source>
        <translation>G%1：输入平面等增益圆；</translation>
    </message>
    <message>
        <source>G%1: output plane const. gain circle; </source>
        <translation>G%1：输出平面等增益圆；</translation>
    </message>
    <message>
        <source>N%1: constant %2dB noise figure circle;  </source>
        <translation>N%1：%2dB 等噪声系数圆；  </translation>
    </message>
    <message>
        <source>no value</source>
        <translation>无值</translation>
    </message>
    <message>
        <source>outside the range of %1, %2</source>
        <translation>超出 %1 的范围（%2）</translation>
    </message>
    <message>
        <source>two-port block %1, reversed</source>
        <translation>二端口模块 %1，反向</translation>
    </message>
    <message>
        <source>two-port block %1</source>
        <translation>二端口模块 %1</translation>
    </message>
    <message>
        <source>DP-Nr. W%1</source>
        <translation>点 W%1</translation>
    </message>
    <message>
        <source>DP-Nr. %1</source>
        <translation>点 %1</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print to PDF file</source>
        <translation>打印到 PDF 文件</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>正在打印</translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>圆图</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>黑白</translation>
    </message>
    <message>
        <source>Use screen colors</source>
        <translation>使用屏幕颜色</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>打印机</translation>
    </message>
    <message>
        <source>Could not initialize printer</source>
        <translation>无法初始化打印机</translation>
    </message>
    <message>
        <source>Print s-plots to:</source>
        <translation>S 参数曲线打印到：</translation>
    </message>
    <message>
        <source>S-Plot </source>
        <translation>S-Plot </translation>
    </message>
    <message>
        <source>Error while &apos;STARTDOC&apos;</source>
        <translation>&apos;STARTDOC&apos; 时出错</translation>
    </message>
    <message>
        <source>Zelvo Chart</source>
        <translation>Zelvo 圆图</translation>
    </message>
    <message>
        <source>Z-chart</source>
        <translation>Z 圆图</translation>
    </message>
    <message>
        <source>Y-chart</source>
        <translation>Y 圆图</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>元件</translation>
    </message>
    <message>
        <source>Q-ellipses</source>
        <translation>Q 值轮廓</translation>
    </message>
    <message>
        <source>VSWR-circles</source>
        <translation>驻波比圆</translation>
    </message>
    <message>
        <source>Wideband</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>Stability circles</source>
        <translation>稳定圆</translation>
    </message>
    <message>
        <source>Constant gain circles</source>
        <translation>等增益圆</translation>
    </message>
    <message>
        <source>Noise circles</source>
        <translation>噪声圆</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>标注</translation>
    </message>
    <message>
        <source>Schematic</source>
        <translation>原理图</translation>
    </message>
    <message>
        <source>turn schematic-inscription 180°</source>
        <translation>原理图文字旋转 180°</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Setup...</source>
        <translation>设置...</translation>
    </message>
    <message>
        <source>Help...</source>
        <translation>帮助...</translation>
    </message>
    <message>
        <source>Print frequency response to:</source>
        <translation>频率响应打印到：</translation>
    </message>
    <message>
        <source>Frequency response </source>
        <translation>频率响应 </translation>
    </message>
    <message>
        <source>Zelvo Chart </source>
        <translation>Zelvo 圆图 </translation>
    </message>
    <message>
        <source>Frequency response: %1</source>
        <translation>频率响应：%1</translation>
    </message>
</context>
<context>
    <name>PrintPages</name>
    <message>
        <source>(electr.)</source>
        <translation>(电长度)</translation>
    </message>
    <message>
        <source>(mech.)</source>
        <translation>(物理长度)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No output file was chosen.</source>
        <translation>未选择输出文件。</translation>
    </message>
    <message>
        <source>Cannot write &apos;%1&apos;: %2.</source>
        <translation>无法写入 &apos;%1&apos;：%2。</translation>
    </message>
    <message>
        <source>The document could not be finished.</source>
        <translation>文档无法完成。</translation>
    </message>
    <message>
        <source>the file chosen when printing</source>
        <translation>打印时选择的文件</translation>
    </message>
    <message>
        <source>PDF file, Qt PDF at %1</source>
        <translation>PDF 文件，Qt PDF，输出到%1</translation>
    </message>
    <message>
        <source>the print system</source>
        <translation>打印系统</translation>
    </message>
    <message>
        <source>%1, %2 at %3</source>
        <comment>printer name, driver, location</comment>
        <translation>%1，%2，位于 %3</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>VSWR</source>
        <translation>驻波比</translation>
    </message>
    <message>
        <source>RL</source>
        <translation>回波损耗</translation>
    </message>
</context>
<context>
    <name>ReferenceImpedanceDialog</name>
    <message>
        <source>Reference Impedance / Admittance</source>
        <translation>参考阻抗 / 导纳</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>Siemens</source>
        <translation>Siemens</translation>
    </message>
    <message>
        <source>Reference Zo:</source>
        <translation>参考 Zo：</translation>
    </message>
    <message>
        <source>Value must be &gt; 0</source>
        <translation>数值必须 &gt; 0</translation>
    </message>
</context>
<context>
    <name>Response</name>
    <message>
        <source>Input RL</source>
        <translation>输入回波损耗</translation>
    </message>
    <message>
        <source>Output RL</source>
        <translation>输出回波损耗</translation>
    </message>
    <message>
        <source>Load: the data points, interpolated in Gamma between their frequencies</source>
        <translation>负载：各数据点，频率之间按反射系数插值</translation>
    </message>
    <message>
        <source>Load: the start point&apos;s impedance at every frequency</source>
        <translation>负载：各频率均取起始点的阻抗</translation>
    </message>
    <message>
        <source>no block data at this frequency</source>
        <translation>此频率处无模块数据</translation>
    </message>
    <message>
        <source>NF</source>
        <translation>噪声系数</translation>
    </message>
    <message>
        <source>VSWR</source>
        <translation>驻波比</translation>
    </message>
</context>
<context>
    <name>ResponseWindow</name>
    <message>
        <source>Frequency response</source>
        <translation>频率响应</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>起始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>终止</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>点数</translation>
    </message>
    <message>
        <source>&amp;Logarithmic</source>
        <translation>对数(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Sweep</source>
        <translation>扫描(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>默认(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Curve on chart</source>
        <translation>在圆图上显示曲线(&amp;C)</translation>
    </message>
    <message>
        <source>Export &amp;picture...</source>
        <translation>导出图片(&amp;P)...</translation>
    </message>
    <message>
        <source>Export as &amp;CSV...</source>
        <translation>导出为 CSV(&amp;C)...</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>打印(&amp;R)...</translation>
    </message>
    <message>
        <source>Start and stop must be numbers.</source>
        <translation>起始和终止必须是数字。</translation>
    </message>
    <message>
        <source>The sweep needs 0 &lt;= start &lt; stop.</source>
        <translation>扫描需要 0 &lt;= 起始 &lt; 终止。</translation>
    </message>
    <message>
        <source>A logarithmic sweep needs a start above 0 Hz.</source>
        <translation>对数扫描的起始频率必须大于 0 Hz。</translation>
    </message>
    <message>
        <source>No data points: the response needs a load.</source>
        <translation>没有数据点：频率响应需要负载。</translation>
    </message>
    <message>
        <source> (a block has no data at some frequencies: gaps)</source>
        <translation>（模块在某些频率上没有数据：曲线有间断）</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>导出为 CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>RlcDialog</name>
    <message>
        <source>RLC Series</source>
        <translation>RLC 串联</translation>
    </message>
    <message>
        <source>RLC Shunt</source>
        <translation>RLC 并联</translation>
    </message>
    <message>
        <source>R, L and C in series, connected in shunt.</source>
        <translation>R、L 和 C 串联后并联接入。</translation>
    </message>
    <message>
        <source>R, L and C in parallel, inserted in series.</source>
        <translation>R、L 和 C 并联后串联接入。</translation>
    </message>
    <message>
        <source>Field for [%1] must contain value</source>
        <translation>[%1] 输入框必须填写数值</translation>
    </message>
    <message>
        <source>Value must be &gt; 0</source>
        <translation>数值必须 &gt; 0</translation>
    </message>
</context>
<context>
    <name>SPlot</name>
    <message>
        <source>gain table</source>
        <translation>增益表</translation>
    </message>
    <message>
        <source>gain graphs</source>
        <translation>增益曲线</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>未命名</translation>
    </message>
</context>
<context>
    <name>SPlotReadout</name>
    <message>
        <source>open</source>
        <translation>开路</translation>
    </message>
</context>
<context>
    <name>Schematic</name>
    <message>
        <source>mm(e)</source>
        <translation>mm(电)</translation>
    </message>
    <message>
        <source>mm(electr)</source>
        <translation>mm(电长度)</translation>
    </message>
    <message>
        <source>mm(m)</source>
        <translation>mm(物)</translation>
    </message>
    <message>
        <source>mm(mech)</source>
        <translation>mm(物理长度)</translation>
    </message>
    <message>
        <source>%1 (reversed)</source>
        <translation>%1（反向）</translation>
    </message>
    <message>
        <source>no value at %1</source>
        <translation>%1 处无值</translation>
    </message>
</context>
<context>
    <name>SparamLineDialog</name>
    <message>
        <source>s-Parameters</source>
        <translation>S 参数</translation>
    </message>
    <message>
        <source>Choose a line...</source>
        <translation>选择一行...</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Select one or several lines. For selection of multiple lines use Shift or Ctrl keys.</source>
        <translation>选择一行或多行。按住 Shift 或 Ctrl 键可选择多行。</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>幅度</translation>
    </message>
    <message>
        <source>Ang</source>
        <translation>角度</translation>
    </message>
</context>
<context>
    <name>Splash</name>
    <message>
        <source>Zelvo</source>
        <translation>Zelvo</translation>
    </message>
    <message>
        <source>Click or press a key to continue</source>
        <translation>单击或按任意键继续</translation>
    </message>
    <message>
        <source>Matching networks on the</source>
        <translation>基于史密斯圆图的</translation>
    </message>
    <message>
        <source>impedance chart</source>
        <translation>匹配网络设计</translation>
    </message>
    <message>
        <source>S-parameters of two-ports</source>
        <translation>二端口 S 参数</translation>
    </message>
</context>
<context>
    <name>StandardValuesDialog</name>
    <message>
        <source>Standard values</source>
        <translation>标准值</translation>
    </message>
    <message>
        <source>Each inductor, capacitor and resistor takes one of the two series values around it: the combination with the best worst-case return loss against Zo over the data points, each at its own frequency.</source>
        <translation>每个电感、电容和电阻取其两侧相邻的两个系列值之一：在各数据点（各自在其频率处）上选出相对 Zo 最差回波损耗最佳的组合。</translation>
    </message>
    <message>
        <source>&amp;Series</source>
        <translation>系列(&amp;S)</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>元件</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准值</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>(kept)</source>
        <translation>（保留）</translation>
    </message>
    <message>
        <source>Worst return loss: %1 now, %2 with %3 values</source>
        <translation>最差回波损耗：当前 %1，取 %3 值后 %2</translation>
    </message>
    <message>
        <source>
(more than %1 parts: a local search from the nearest values)</source>
        <translation>
（超过 %1 个元件：从最近的数值出发局部搜索）</translation>
    </message>
</context>
<context>
    <name>StubTypeDialog</name>
    <message>
        <source>Stub type</source>
        <translation>短截线类型</translation>
    </message>
    <message>
        <source>SHORTED END</source>
        <translation>末端短路</translation>
    </message>
    <message>
        <source>OPEN END</source>
        <translation>末端开路</translation>
    </message>
    <message>
        <source>How does the stub end?</source>
        <translation>短截线末端如何端接？</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Starts a new design (in S-Plot mode: closes the Touchstone file)</source>
        <translation>新建设计（S-Plot 模式下：关闭 Touchstone 文件）</translation>
    </message>
    <message>
        <source>Opens a design file (in S-Plot mode: a Touchstone .s2p file)</source>
        <translation>打开设计文件（S-Plot 模式下：Touchstone .s2p 文件）</translation>
    </message>
    <message>
        <source>Saves the design under its file name</source>
        <translation>以原文件名保存设计</translation>
    </message>
    <message>
        <source>Saves the design under a new file name</source>
        <translation>以新文件名保存设计</translation>
    </message>
    <message>
        <source>Writes the matching network as a circuit netlist</source>
        <translation>将匹配网络写为电路网表</translation>
    </message>
    <message>
        <source>Chooses the printer and its options</source>
        <translation>选择打印机及其选项</translation>
    </message>
    <message>
        <source>Prints the chart and the schematic</source>
        <translation>打印圆图和原理图</translation>
    </message>
    <message>
        <source>Saves the chart, the schematic or a plot as a PDF, SVG or PNG file</source>
        <translation>将圆图、原理图或曲线图保存为 PDF、SVG 或 PNG 文件</translation>
    </message>
    <message>
        <source>Quits Zelvo, offering to save unsaved changes</source>
        <translation>退出 Zelvo，并提示保存未保存的更改</translation>
    </message>
    <message>
        <source>Copies the chart or the schematic to the clipboard</source>
        <translation>将圆图或原理图复制到剪贴板</translation>
    </message>
    <message>
        <source>Takes back the last data point or element (also: right button)</source>
        <translation>撤销最后一个数据点或元件（也可用右键）</translation>
    </message>
    <message>
        <source>Brings back what was taken back (also: middle button)</source>
        <translation>重做被撤销的操作（也可用中键）</translation>
    </message>
    <message>
        <source>Designs matching networks on the impedance chart</source>
        <translation>在史密斯圆图上设计匹配网络</translation>
    </message>
    <message>
        <source>Shows measured two-port S-parameters, gains and stability</source>
        <translation>显示测量的二端口 S 参数、增益和稳定性</translation>
    </message>
    <message>
        <source>Draws the input and output stability circles of the two-port</source>
        <translation>绘制二端口的输入和输出稳定圆</translation>
    </message>
    <message>
        <source>Draws circles of constant gain</source>
        <translation>绘制等增益圆</translation>
    </message>
    <message>
        <source>Draws circles of constant noise figure</source>
        <translation>绘制等噪声系数圆</translation>
    </message>
    <message>
        <source>Draws contours of constant Q</source>
        <translation>绘制等 Q 轮廓</translation>
    </message>
    <message>
        <source>Draws circles of constant VSWR</source>
        <translation>绘制等驻波比圆</translation>
    </message>
    <message>
        <source>Evaluates the network over a frequency range</source>
        <translation>在一个频率范围内计算网络（宽带）</translation>
    </message>
    <message>
        <source>Shows the impedance (Z) grid</source>
        <translation>显示阻抗（Z）网格</translation>
    </message>
    <message>
        <source>Shows the admittance (Y) grid</source>
        <translation>显示导纳（Y）网格</translation>
    </message>
    <message>
        <source>Shows the numbers of the data points on the chart</source>
        <translation>在圆图上显示数据点编号</translation>
    </message>
    <message>
        <source>Shows the values of the grid circles</source>
        <translation>显示网格圆的数值</translation>
    </message>
    <message>
        <source>Beeps with error messages</source>
        <translation>出错时发出提示音</translation>
    </message>
    <message>
        <source>Joins the data points by lines in frequency order</source>
        <translation>按频率顺序用线连接数据点</translation>
    </message>
    <message>
        <source>Chooses the colours of the grids and the drawn objects</source>
        <translation>选择网格和所绘对象的颜色</translation>
    </message>
    <message>
        <source>Changes the reference impedance Zo of the chart</source>
        <translation>更改圆图的参考阻抗 Zo</translation>
    </message>
    <message>
        <source>Chooses the line width of the drawing</source>
        <translation>选择绘图线宽</translation>
    </message>
    <message>
        <source>Doubles the zoom factor (Ctrl + wheel zooms about the pointer)</source>
        <translation>放大一倍（Ctrl + 滚轮以指针为中心缩放）</translation>
    </message>
    <message>
        <source>Halves the zoom factor</source>
        <translation>缩小一半</translation>
    </message>
    <message>
        <source>Sets the zoom factor to a value</source>
        <translation>设置缩放倍数</translation>
    </message>
    <message>
        <source>Draws every window anew with the chart centred</source>
        <translation>重绘所有窗口并使圆图居中</translation>
    </message>
    <message>
        <source>Lists the L-networks, stub and quarter-wave matches from the chain&apos;s end to a target</source>
        <translation>列出从网络链末端到目标的 L 型网络、短截线和四分之一波长匹配</translation>
    </message>
    <message>
        <source>Searches ladder networks that match the load over a band and compares them with the Bode-Fano limit</source>
        <translation>搜索在频带内匹配负载的梯形网络，并与 Bode-Fano 极限比较</translation>
    </message>
    <message>
        <source>Optimises element values for the best worst-case match over the data point frequencies</source>
        <translation>优化元件值，使各数据点频率上的最差匹配最好</translation>
    </message>
    <message>
        <source>Shows or hides the Tuner window with a slider per tuned element</source>
        <translation>显示或隐藏调谐器窗口（每个调谐元件一个滑块）</translation>
    </message>
    <message>
        <source>Writes the matching network as an ngspice subcircuit</source>
        <translation>将匹配网络写为 ngspice 子电路</translation>
    </message>
    <message>
        <source>Adds the points of a one-port Touchstone file (.s1p) as data points</source>
        <translation>将单端口 Touchstone 文件（.s1p）的点添加为数据点</translation>
    </message>
    <message>
        <source>Shows the whole chart, centred, at zoom 1</source>
        <translation>以缩放倍数 1 居中显示整个圆图</translation>
    </message>
    <message>
        <source>Adds a measured two-port (a transistor, a vendor&apos;s part) from a Touchstone file to the chain</source>
        <translation>从 Touchstone 文件将测量的二端口（晶体管、厂商器件）加入网络链</translation>
    </message>
    <message>
        <source>Writes the matching network as a two-port Touchstone file (.s2p) for other tools</source>
        <translation>将匹配网络写为二端口 Touchstone 文件（.s2p），供其他工具使用</translation>
    </message>
    <message>
        <source>Moves every L, C and R to the E-series values that keep the best worst-case match</source>
        <translation>将每个 L、C、R 换成 E 系列标准值，并保持最佳的最差情况匹配</translation>
    </message>
    <message>
        <source>Draws the spread of the match over the parts&apos; tolerances and gives its yield</source>
        <translation>绘制元件容差造成的匹配分散并给出合格率</translation>
    </message>
    <message>
        <source>Sets the Q, ESR, self-resonance and line loss of parts placed from now on</source>
        <translation>设置此后放置元件的 Q、ESR、自谐振频率和传输线损耗</translation>
    </message>
    <message>
        <source>Writes the S-parameters as H-parameters</source>
        <translation>将 S 参数写为 H 参数</translation>
    </message>
    <message>
        <source>Writes the S-parameters as Z-parameters</source>
        <translation>将 S 参数写为 Z 参数</translation>
    </message>
    <message>
        <source>Writes the S-parameters as Y-parameters</source>
        <translation>将 S 参数写为 Y 参数</translation>
    </message>
    <message>
        <source>Writes the S-parameters as ABCD-parameters</source>
        <translation>将 S 参数写为 ABCD 参数</translation>
    </message>
    <message>
        <source>Takes S11 as data points into the chart</source>
        <translation>将 S11 作为数据点转入圆图</translation>
    </message>
    <message>
        <source>Takes S22 as data points into the chart</source>
        <translation>将 S22 作为数据点转入圆图</translation>
    </message>
    <message>
        <source>Puts every S-Plot window back in its place</source>
        <translation>将所有 S-Plot 窗口放回原位</translation>
    </message>
    <message>
        <source>Shows the four S-parameter plots side by side</source>
        <translation>并排显示四个 S 参数曲线图</translation>
    </message>
    <message>
        <source>Shows the S11 plot (input reflection)</source>
        <translation>显示 S11 曲线（输入反射）</translation>
    </message>
    <message>
        <source>Shows the S12 plot (reverse transmission)</source>
        <translation>显示 S12 曲线（反向传输）</translation>
    </message>
    <message>
        <source>Shows the S21 plot (forward transmission)</source>
        <translation>显示 S21 曲线（正向传输）</translation>
    </message>
    <message>
        <source>Shows the S22 plot (output reflection)</source>
        <translation>显示 S22 曲线（输出反射）</translation>
    </message>
    <message>
        <source>Shows the text of the Touchstone file</source>
        <translation>显示 Touchstone 文件的文本</translation>
    </message>
    <message>
        <source>Shows the table of gains and stability factors</source>
        <translation>显示增益和稳定系数表</translation>
    </message>
    <message>
        <source>Shows the gains over frequency</source>
        <translation>显示增益随频率的曲线</translation>
    </message>
    <message>
        <source>Opens the help</source>
        <translation>打开帮助</translation>
    </message>
    <message>
        <source>Shows the program version</source>
        <translation>显示程序版本</translation>
    </message>
    <message>
        <source>Shows the windows in the language of the system from the next start</source>
        <translation>下次启动起按系统语言显示界面</translation>
    </message>
    <message>
        <source>Shows the windows in English from the next start</source>
        <translation>下次启动起以英文显示界面</translation>
    </message>
    <message>
        <source>Shows the windows in Chinese from the next start</source>
        <translation>下次启动起以中文显示界面</translation>
    </message>
    <message>
        <source>series capacitor</source>
        <translation>串联电容</translation>
    </message>
    <message>
        <source>series inductor</source>
        <translation>串联电感</translation>
    </message>
    <message>
        <source>series resistor</source>
        <translation>串联电阻</translation>
    </message>
    <message>
        <source>series line</source>
        <translation>串联传输线</translation>
    </message>
    <message>
        <source>shunt capacitor</source>
        <translation>并联电容</translation>
    </message>
    <message>
        <source>shunt inductor</source>
        <translation>并联电感</translation>
    </message>
    <message>
        <source>shunt resistor</source>
        <translation>并联电阻</translation>
    </message>
    <message>
        <source>short-circuited stub</source>
        <translation>短路短截线</translation>
    </message>
    <message>
        <source>open stub</source>
        <translation>开路短截线</translation>
    </message>
    <message>
        <source> (Zl %1 Ω)</source>
        <translation>（Zl %1 Ω）</translation>
    </message>
    <message>
        <source> with </source>
        <translation>，含</translation>
    </message>
    <message>
        <source>: %1 λ</source>
        <translation>：%1 λ</translation>
    </message>
    <message>
        <source>   (left button fixes it, right button cancels)</source>
        <translation>   （左键确定，右键取消）</translation>
    </message>
    <message>
        <source>Matches a two-port device at one frequency: output network, device and input network for the maximum gain</source>
        <translation>在单一频率上匹配二端口器件：输出网络、器件和输入网络，获得最大增益</translation>
    </message>
    <message>
        <source>Shows return loss, VSWR, gain, stability and noise figure of the finished chain over a frequency sweep</source>
        <translation>在频率扫描上显示完成网络的回波损耗、驻波比、增益、稳定性和噪声系数</translation>
    </message>
    <message>
        <source>Series capacitor: moves along a circle of constant resistance</source>
        <translation>串联电容：沿等电阻圆移动</translation>
    </message>
    <message>
        <source>Series inductor: moves along a circle of constant resistance</source>
        <translation>串联电感：沿等电阻圆移动</translation>
    </message>
    <message>
        <source>Series resistor: moves along an arc of constant reactance</source>
        <translation>串联电阻：沿等电抗弧移动</translation>
    </message>
    <message>
        <source>Series transmission line: turns about the line impedance</source>
        <translation>串联传输线：绕传输线阻抗旋转</translation>
    </message>
    <message>
        <source>Series R, L and C: enters a resistor, inductor and capacitor by value</source>
        <translation>串联 R、L 和 C：按数值输入电阻、电感和电容</translation>
    </message>
    <message>
        <source>Shunt capacitor: moves along a circle of constant conductance</source>
        <translation>并联电容：沿等电导圆移动</translation>
    </message>
    <message>
        <source>Shunt inductor: moves along a circle of constant conductance</source>
        <translation>并联电感：沿等电导圆移动</translation>
    </message>
    <message>
        <source>Shunt resistor: moves along an arc of constant susceptance</source>
        <translation>并联电阻：沿等电纳弧移动</translation>
    </message>
    <message>
        <source>Shunt stub, short-circuited or open: moves along constant conductance</source>
        <translation>并联短截线（短路或开路）：沿等电导圆移动</translation>
    </message>
    <message>
        <source>Shunt R, L and C: enters a resistor, inductor and capacitor by value</source>
        <translation>并联 R、L 和 C：按数值输入电阻、电感和电容</translation>
    </message>
    <message>
        <source>Ideal transformer: scales the impedance by the turns ratio squared</source>
        <translation>理想变压器：按匝数比的平方变换阻抗</translation>
    </message>
    <message>
        <source>Two-port block: a measured transistor or part from a Touchstone file</source>
        <translation>二端口模块：取自 Touchstone 文件的实测晶体管或元件</translation>
    </message>
    <message>
        <source>Data point: enters an impedance and its frequency, or picks one</source>
        <translation>数据点：输入阻抗及其频率，或从数据中选取</translation>
    </message>
    <message>
        <source>Impedance under the pointer, R + jX in ohm</source>
        <translation>指针处的阻抗，R + jX，单位 Ohm</translation>
    </message>
    <message>
        <source>Admittance under the pointer, G + jB in siemens</source>
        <translation>指针处的导纳，G + jB，单位 Siemens</translation>
    </message>
    <message>
        <source>Reflection coefficient under the pointer: magnitude / angle in degrees</source>
        <translation>指针处的反射系数：幅度 / 角度（度）</translation>
    </message>
    <message>
        <source>Quality factor |X| / R under the pointer</source>
        <translation>指针处的品质因数 |X| / R</translation>
    </message>
    <message>
        <source>Voltage standing wave ratio under the pointer</source>
        <translation>指针处的电压驻波比</translation>
    </message>
    <message>
        <source>Reference impedance of the chart, in ohm</source>
        <translation>圆图的参考阻抗，单位 Ohm</translation>
    </message>
    <message>
        <source>Return loss under the pointer, in dB</source>
        <translation>指针处的回波损耗，单位 dB</translation>
    </message>
    <message>
        <source>transformer</source>
        <translation>变压器</translation>
    </message>
    <message>
        <source>Placing %1</source>
        <translation>正在放置%1</translation>
    </message>
</context>
<context>
    <name>ToleranceDialog</name>
    <message>
        <source>Tolerance analysis</source>
        <translation>容差分析</translation>
    </message>
    <message>
        <source>Uniform within the tolerance</source>
        <translation>在容差内均匀分布</translation>
    </message>
    <message>
        <source>Gaussian, 3 sigma = tolerance</source>
        <translation>高斯分布，3 sigma = 容差</translation>
    </message>
    <message>
        <source>Gaussian: the tolerance is three standard deviations; a draw beyond it is drawn again</source>
        <translation>高斯分布：容差为三倍标准差；超出容差的抽样将重新抽取</translation>
    </message>
    <message>
        <source>&amp;Spread</source>
        <translation>分布(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;amples</source>
        <translation>样本数(&amp;A)</translation>
    </message>
    <message>
        <source>The same seed gives the same samples</source>
        <translation>相同的种子产生相同的样本</translation>
    </message>
    <message>
        <source>S&amp;eed</source>
        <translation>种子(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Target return loss</source>
        <translation>目标回波损耗(&amp;T)</translation>
    </message>
    <message>
        <source>The series whose tolerance a part without one of its own has; kept in the design</source>
        <translation>自身未给定容差的元件所用的系列容差；保存在设计中</translation>
    </message>
    <message>
        <source>&amp;Part series</source>
        <translation>元件系列(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Follow changes of the design (live tuning)</source>
        <translation>跟随设计的更改（实时调谐）(&amp;F)</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>元件</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>容差</translation>
    </message>
    <message>
        <source>Worst sample</source>
        <translation>最差样本</translation>
    </message>
    <message>
        <source>RL drop</source>
        <translation>回波损耗下降</translation>
    </message>
    <message>
        <source>How much the worst return loss drops with this part alone at the worse end of its tolerance</source>
        <translation>仅此元件处于容差较差一端时，最差回波损耗下降多少</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>运行(&amp;R)</translation>
    </message>
    <message>
        <source>
The design has changed: Run to see its spread.</source>
        <translation>
设计已更改：点击“运行”查看其分布。</translation>
    </message>
    <message>
        <source>No chain to analyse.</source>
        <translation>没有可分析的网络链。</translation>
    </message>
    <message>
        <source>Sampling the tolerances...</source>
        <translation>正在对容差抽样...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Yield: %1 %  (%2 of %3 samples reach %4 dB at every data point)</source>
        <translation>合格率：%1 %（%3 个样本中有 %2 个在每个数据点都达到 %4 dB）</translation>
    </message>
    <message>
        <source>
Worst return loss: %1 dB with the values as they are, %2 dB in the worst sample (no. %3)</source>
        <translation>
最差回波损耗：按当前数值为 %1 dB，最差样本（第 %3 号）为 %2 dB</translation>
    </message>
    <message>
        <source>
Most sensitive: %1</source>
        <translation>
最敏感：%1</translation>
    </message>
    <message>
        <source>
%1 data point(s) outside a block&apos;s range left out</source>
        <translation>
%1 个数据点超出模块的频率范围，未计入</translation>
    </message>
    <message>
        <source>
Cancelled: the figures are those of the samples done.</source>
        <translation>
已取消：结果仅基于已完成的样本。</translation>
    </message>
</context>
<context>
    <name>Toolbox</name>
    <message>
        <source>Toolbox</source>
        <translation>工具箱</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>传输线</translation>
    </message>
    <message>
        <source>SERIES</source>
        <translation>串联</translation>
    </message>
    <message>
        <source>SHUNT</source>
        <translation>并联</translation>
    </message>
    <message>
        <source>TRANSF.</source>
        <translation>变压器</translation>
    </message>
    <message>
        <source>2-PORT...</source>
        <translation>二端口...</translation>
    </message>
    <message>
        <source> DATAPOINT </source>
        <translation> 数据点 </translation>
    </message>
</context>
<context>
    <name>Topology</name>
    <message>
        <source>series L</source>
        <translation>串联 L</translation>
    </message>
    <message>
        <source>series C</source>
        <translation>串联 C</translation>
    </message>
    <message>
        <source>shunt L</source>
        <translation>并联 L</translation>
    </message>
    <message>
        <source>shunt C</source>
        <translation>并联 C</translation>
    </message>
    <message>
        <source>line</source>
        <translation>传输线</translation>
    </message>
    <message>
        <source>open stub</source>
        <translation>开路短截线</translation>
    </message>
    <message>
        <source>short stub</source>
        <translation>短路短截线</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>quarter-wave transformer</source>
        <translation>四分之一波长变换器</translation>
    </message>
</context>
<context>
    <name>Tuner</name>
    <message>
        <source>Tuner</source>
        <translation>调谐器</translation>
    </message>
    <message>
        <source>Lower end of the slider (an SI prefix may follow: 2.2n)</source>
        <translation>滑块下限（可加 SI 词头：2.2n）</translation>
    </message>
    <message>
        <source>Upper end of the slider (an SI prefix may follow: 22n)</source>
        <translation>滑块上限（可加 SI 词头：22n）</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Back to the value the element had when it joined</source>
        <translation>恢复元件加入时的值</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>An SI prefix and the unit may follow: 2.2n, 2.2 nH.</source>
        <translation>
<byte value="xd"/>数值后可加 SI 词头和单位：2.2n、2.2 nH。</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Click an element in the Schematic window, then turn the mouse wheel or press Up/Down (Shift: fine).</source>
        <translation>单击原理图窗口中的元件，然后转动鼠标滚轮或按上/下键（Shift：微调）。</translation>
    </message>
</context>
<context>
    <name>ZoomDialog</name>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Zoom factor</source>
        <translation>缩放倍数</translation>
    </message>
    <message>
        <source>bigger values &gt; 1: zoom in</source>
        <translation>大于 1：放大</translation>
    </message>
    <message>
        <source>smaller values &lt; 1: zoom out</source>
        <translation>小于 1：缩小</translation>
    </message>
</context>
</TS>
