<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BatchReport</name>
    <message>
        <source>1 file</source>
        <translation>1 个文件</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 个文件</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> 等另外 %1 个</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>已写入 %1</translation>
    </message>
    <message>
        <source>Removed the tag of %1</source>
        <translation>已删除 %1 的标签</translation>
    </message>
    <message>
        <source>; %1 has nothing to write</source>
        <translation>；%1 无需写入</translation>
    </message>
    <message>
        <source>; %1 have nothing to write</source>
        <translation>；%1 无需写入</translation>
    </message>
    <message>
        <source>; cannot write %1</source>
        <translation>；无法写入 %1</translation>
    </message>
    <message>
        <source>; cannot remove the tag of %1</source>
        <translation>；无法删除 %1 的标签</translation>
    </message>
    <message>
        <source> (left selected)</source>
        <translation>（保持选中）</translation>
    </message>
    <message>
        <source> (undo journal: %1)</source>
        <translation>（撤销日志：%1）</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <source>Undid the last write: %1 restored</source>
        <translation>已撤销上次写入：恢复了 %1</translation>
    </message>
    <message>
        <source> (a run of %1)</source>
        <translation>（%1 的操作）</translation>
    </message>
    <message>
        <source>; and %1 more left alone</source>
        <translation>；另有 %1 个未改动</translation>
    </message>
</context>
<context>
    <name>CCoverWnd</name>
    <message>
        <source>album cover</source>
        <translation>专辑封面</translation>
    </message>
</context>
<context>
    <name>CDictionaryWnd</name>
    <message>
        <source>Filename</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示名称</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>艺术家</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>流派</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>The dictionary has unsaved changes.
Save them before closing?</source>
        <translation>词典有未保存的更改。
关闭前要保存吗？</translation>
    </message>
    <message>
        <source>Save dictionary</source>
        <translation>保存词典</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Mapping Dictionary[*]</source>
        <translation>映射词典[*]</translation>
    </message>
    <message>
        <source>Entry list</source>
        <translation>条目列表</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>添加条目</translation>
    </message>
    <message>
        <source>Please type in a filename</source>
        <translation>请输入文件名</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Multi-Tag Edit</source>
        <translation>批量编辑标签</translation>
    </message>
    <message>
        <source>Tag Edit: </source>
        <translation>编辑标签：</translation>
    </message>
</context>
<context>
    <name>CFilterDialog</name>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>DirectX Filters</source>
        <translation>DirectX 滤镜</translation>
    </message>
    <message>
        <source>Video: %1 frames shown, %2 dropped (%3)</source>
        <translation>视频：已显示 %1 帧，丢弃 %2 帧（%3）</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>skin keyword &quot;%1&quot;</source>
        <translation>皮肤关键字“%1”</translation>
    </message>
    <message>
        <source>Drag the face</source>
        <translation>拖动面板</translation>
    </message>
    <message>
        <source>moves the window</source>
        <translation>移动窗口</translation>
    </message>
    <message>
        <source>Drag a slider&apos;s thumb</source>
        <translation>拖动滑块</translation>
    </message>
    <message>
        <source>position (seeks on release), volume or balance</source>
        <translation>播放位置（松开时跳转）、音量或声道平衡</translation>
    </message>
    <message>
        <source>Double-click the track display</source>
        <translation>双击曲目显示</translation>
    </message>
    <message>
        <source>shows or hides the tracklist</source>
        <translation>显示或隐藏曲目列表</translation>
    </message>
    <message>
        <source>Right-click the track display</source>
        <translation>右击曲目显示</translation>
    </message>
    <message>
        <source>primary or alternate text</source>
        <translation>主要或备用文字</translation>
    </message>
    <message>
        <source>Double-click the time display</source>
        <translation>双击时间显示</translation>
    </message>
    <message>
        <source>elapsed, remaining or total time</source>
        <translation>已播放、剩余或总时间</translation>
    </message>
    <message>
        <source>Right-click the face</source>
        <translation>右击面板</translation>
    </message>
    <message>
        <source>the system menu: Options, Help, Exit</source>
        <translation>系统菜单：选项、帮助、退出</translation>
    </message>
    <message>
        <source>Drop files or folders on the face</source>
        <translation>把文件或文件夹拖放到面板上</translation>
    </message>
    <message>
        <source>they join the tracklist and the first one opens</source>
        <translation>它们加入曲目列表，并打开第一个</translation>
    </message>
    <message>
        <source>Hold a seek, volume or balance button</source>
        <translation>按住快进/快退、音量或平衡按钮</translation>
    </message>
    <message>
        <source>repeats</source>
        <translation>重复执行</translation>
    </message>
    <message>
        <source>A skinned jukebox. Every control shows its name when the mouse rests on it.</source>
        <translation>一款可换皮肤的点唱机。鼠标停留在任一控件上时会显示其名称。</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Controls of the face</source>
        <translation>面板上的控件</translation>
    </message>
    <message>
        <source>Velorine Help</source>
        <translation>Velorine 帮助</translation>
    </message>
</context>
<context>
    <name>CMarlowispDlg</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>艺术家</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>专辑</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>音轨号</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>代码页</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <source>no tag</source>
        <translation>无标签</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>艺术家：</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>专辑：</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年份：</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>注释：</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>音轨号：</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>流派：</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>添加文件...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <source>Undo last write</source>
        <translation>撤销上次写入</translation>
    </message>
    <message>
        <source>Put back the bytes the last Write or Remove changed, also after a restart</source>
        <translation>恢复上次“写入”或“删除”所改动的字节，重新启动后也可以</translation>
    </message>
    <message>
        <source>Track number, 1 to 255; empty or 0 for none</source>
        <translation>音轨号，1 到 255；留空或 0 表示无</translation>
    </message>
    <message>
        <source>Write this field</source>
        <translation>写入此字段</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Sel All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>As detected</source>
        <translation>按检测结果</translation>
    </message>
    <message>
        <source>Each file in the code page its text is in</source>
        <translation>每个文件使用其文字所用的代码页</translation>
    </message>
    <message>
        <source>Convert all text</source>
        <translation>转换全部文字</translation>
    </message>
    <message>
        <source>Write every text field in the chosen code page, as it reads now</source>
        <translation>将所有文字字段按当前显示的内容以所选代码页写入</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Marlowisp...</source>
        <translation>关于 Marlowisp(&amp;A)...</translation>
    </message>
    <message>
        <source>About Marlowisp</source>
        <translation>关于 Marlowisp</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>MP3 files (*.mp3 *.MP3);;All files (*)</source>
        <translation>MP3 文件 (*.mp3 *.MP3);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>流派</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <source>now %1</source>
        <translation>当前 %1</translation>
    </message>
    <message>
        <source>; nothing to write</source>
        <translation>；无需写入</translation>
    </message>
    <message>
        <source>; written in %1</source>
        <translation>；以 %1 写入</translation>
    </message>
    <message>
        <source>, which cannot hold every character</source>
        <translation>，该代码页无法容纳所有字符</translation>
    </message>
    <message>
        <source>from: %1</source>
        <translation>原文：%1</translation>
    </message>
    <message>
        <source>Select files to see what a Write does to them.</source>
        <translation>选择文件，查看“写入”会对它们做什么。</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>Written and read back</source>
        <translation>写入后读回</translation>
    </message>
    <message>
        <source>and %1 more selected files, not shown here.</source>
        <translation>另有 %1 个选中的文件，此处未显示。</translation>
    </message>
</context>
<context>
    <name>CMessageWindow</name>
    <message>
        <source>1 earlier message</source>
        <translation>之前还有 1 条消息</translation>
    </message>
    <message>
        <source>%1 earlier messages</source>
        <translation>之前还有 %1 条消息</translation>
    </message>
</context>
<context>
    <name>CTracklistWnd</name>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>定位到当前曲目</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>排序</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>重新扫描</translation>
    </message>
    <message>
        <source>Open/New</source>
        <translation>打开/新建</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>SaveAs</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Fullpath</source>
        <translation>完整路径</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>流派</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>艺术家</translation>
    </message>
    <message>
        <source>Full pathname</source>
        <translation>完整路径名</translation>
    </message>
    <message>
        <source>A/V</source>
        <translation>音频/视频</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>映射</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>创建日期</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Index/Total</source>
        <translation>序号/总数</translation>
    </message>
    <message>
        <source>Track listing</source>
        <translation>曲目列表</translation>
    </message>
    <message>
        <source>Show tags</source>
        <translation>显示标签</translation>
    </message>
    <message>
        <source>Tracklist</source>
        <translation>曲目列表</translation>
    </message>
    <message>
        <source>Hide tags</source>
        <translation>隐藏标签</translation>
    </message>
    <message>
        <source>File Selection</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Load tracklist</source>
        <translation>载入曲目列表</translation>
    </message>
    <message>
        <source>Save tracklist</source>
        <translation>保存曲目列表</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>添加条目</translation>
    </message>
    <message>
        <source>Please type in a filename</source>
        <translation>请输入文件名</translation>
    </message>
</context>
<context>
    <name>CVelorineApp</name>
    <message>
        <source>Cannot save the settings to %1</source>
        <translation>无法将设置保存到 %1</translation>
    </message>
</context>
<context>
    <name>CVelorineWnd</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Check display mode!</source>
        <translation>请检查显示模式！</translation>
    </message>
</context>
<context>
    <name>CVideoWnd</name>
    <message>
        <source>Zoom</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Shrink</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Conform</source>
        <translation>标准尺寸</translation>
    </message>
    <message>
        <source>Filter	Ctrl-F</source>
        <translation>滤镜	Ctrl-F</translation>
    </message>
    <message>
        <source>Pause	Space</source>
        <translation>暂停	Space</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Fullscreen	Alt+Enter</source>
        <translation>全屏	Alt+Enter</translation>
    </message>
    <message>
        <source>Maximize	Dbl-Click</source>
        <translation>最大化	双击</translation>
    </message>
    <message>
        <source>video playback</source>
        <translation>视频播放</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>词典</translation>
    </message>
    <message>
        <source>Tracklist</source>
        <translation>曲目列表</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>倒回</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>循环</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Help!</source>
        <translation>帮助！</translation>
    </message>
    <message>
        <source>System menu</source>
        <translation>系统菜单</translation>
    </message>
    <message>
        <source>Switch view</source>
        <translation>切换视图</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Forward seek</source>
        <translation>快进</translation>
    </message>
    <message>
        <source>Reverse seek</source>
        <translation>快退</translation>
    </message>
    <message>
        <source>Track display</source>
        <translation>曲目显示</translation>
    </message>
    <message>
        <source>Time display</source>
        <translation>时间显示</translation>
    </message>
    <message>
        <source>A/V status</source>
        <translation>音频/视频状态</translation>
    </message>
    <message>
        <source>Tag/Dic status</source>
        <translation>标签/词典状态</translation>
    </message>
    <message>
        <source>Position control</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <source>Volume control</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Balance control</source>
        <translation>声道平衡</translation>
    </message>
</context>
<context>
    <name>DictionaryStore</name>
    <message>
        <source>Cannot open default.dic
Will attempt to create</source>
        <translation>无法打开 default.dic
将尝试创建</translation>
    </message>
    <message>
        <source>Cannot create.  Exiting...</source>
        <translation>无法创建。正在退出...</translation>
    </message>
    <message>
        <source>Dictionary not in UNICODE</source>
        <translation>词典不是 UNICODE 格式</translation>
    </message>
    <message>
        <source>Cannot open default.dic</source>
        <translation>无法打开 default.dic</translation>
    </message>
    <message>
        <source>Dictionary saved</source>
        <translation>词典已保存</translation>
    </message>
    <message>
        <source>default.dic was not in UNICODE; it was kept as %1</source>
        <translation>default.dic 不是 UNICODE 格式；已另存为 %1</translation>
    </message>
</context>
<context>
    <name>ExtensionLists</name>
    <message>
        <source>Cannot open %1
Will attempt to create</source>
        <translation>无法打开 %1
将尝试创建</translation>
    </message>
    <message>
        <source>Cannot create.  Exiting...</source>
        <translation>无法创建。正在退出...</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>无法打开 %1</translation>
    </message>
</context>
<context>
    <name>FallbackSkin</name>
    <message>
        <source>Skin files not found</source>
        <translation>找不到皮肤文件</translation>
    </message>
</context>
<context>
    <name>KeyHelp</name>
    <message>
        <source>Space</source>
        <translation>空格键</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左方向键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右方向键</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上方向键</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下方向键</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home 键</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End 键</translation>
    </message>
    <message>
        <source>Keypad +</source>
        <translation>小键盘 +</translation>
    </message>
    <message>
        <source>Keypad -</source>
        <translation>小键盘 -</translation>
    </message>
    <message>
        <source>Volume up key</source>
        <translation>音量增大键</translation>
    </message>
    <message>
        <source>Volume down key</source>
        <translation>音量减小键</translation>
    </message>
    <message>
        <source>Seek back %1 s</source>
        <translation>后退 %1 秒</translation>
    </message>
    <message>
        <source>Seek forward %1 s</source>
        <translation>前进 %1 秒</translation>
    </message>
    <message>
        <source>Slower (down to 0.25x)</source>
        <translation>减速（最低 0.25 倍）</translation>
    </message>
    <message>
        <source>Faster (up to 2x)</source>
        <translation>加速（最高 2 倍）</translation>
    </message>
    <message>
        <source>Boss key: pause and hide the video, or come back</source>
        <translation>老板键：暂停并隐藏视频，或恢复</translation>
    </message>
    <message>
        <source>Track display: primary or alternate text</source>
        <translation>曲目显示：主要或备用文字</translation>
    </message>
    <message>
        <source>Pause/resume</source>
        <translation>暂停/继续</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>增大音量</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>减小音量</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>滤镜</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
</context>
<context>
    <name>MediaEngine</name>
    <message>
        <source>video size</source>
        <translation>视频尺寸</translation>
    </message>
    <message>
        <source>video output</source>
        <translation>视频输出</translation>
    </message>
    <message>
        <source>The graph gave no description</source>
        <translation>滤镜图未给出说明</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1失败</translation>
    </message>
    <message>
        <source>Operation Failed, HRESULT %1
</source>
        <translation>操作失败，HRESULT %1
</translation>
    </message>
    <message>
        <source>Asking for the %1 interface</source>
        <translation>请求 %1 接口</translation>
    </message>
    <message>
        <source>Creating the graph</source>
        <translation>创建滤镜图</translation>
    </message>
    <message>
        <source>Getting the event handle</source>
        <translation>获取事件句柄</translation>
    </message>
    <message>
        <source>Failed to init quartz core</source>
        <translation>无法初始化 quartz 核心</translation>
    </message>
    <message>
        <source>Rendering the file</source>
        <translation>渲染文件</translation>
    </message>
    <message>
        <source>Cannot render the file</source>
        <translation>无法渲染该文件</translation>
    </message>
    <message>
        <source>Running the graph</source>
        <translation>运行滤镜图</translation>
    </message>
    <message>
        <source>Stopping the graph</source>
        <translation>停止滤镜图</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Web site</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>Got to Velorine website</source>
        <translation>访问 Velorine 网站</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>E-Mail the author</source>
        <translation>给作者发邮件</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>List of audio extensions</source>
        <translation>音频扩展名列表</translation>
    </message>
    <message>
        <source>List of video extensions</source>
        <translation>视频扩展名列表</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Add an audio extension</source>
        <translation>添加音频扩展名</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Add a video extension</source>
        <translation>添加视频扩展名</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete the extension</source>
        <translation>删除该扩展名</translation>
    </message>
    <message>
        <source>Add extension</source>
        <translation>添加扩展名</translation>
    </message>
    <message>
        <source>Please type in an extension</source>
        <translation>请输入扩展名</translation>
    </message>
    <message>
        <source>File extension</source>
        <translation>文件扩展名</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>ANSI (Western)</source>
        <translation>ANSI（西欧）</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>总在最前</translation>
    </message>
    <message>
        <source>Stay on top of all other windows</source>
        <translation>始终显示在其他窗口之上</translation>
    </message>
    <message>
        <source>Scroll text</source>
        <translation>滚动文字</translation>
    </message>
    <message>
        <source>Scroll long text in track display</source>
        <translation>在曲目显示中滚动过长的文字</translation>
    </message>
    <message>
        <source>Autoplay on drop</source>
        <translation>拖放后自动播放</translation>
    </message>
    <message>
        <source>Play dropped file immediately</source>
        <translation>立即播放拖放的文件</translation>
    </message>
    <message>
        <source>For tag text without a code-page marker; Automatic reads it from the text</source>
        <translation>用于没有代码页标记的标签文字；“自动”会根据文字本身判断</translation>
    </message>
    <message>
        <source>Pop-up text delay, in 100ms units</source>
        <translation>弹出文字的显示时间，以 100 毫秒为单位</translation>
    </message>
    <message>
        <source>Default character set</source>
        <translation>默认字符集</translation>
    </message>
    <message>
        <source>Popup (100ms)</source>
        <translation>弹出（100 毫秒）</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Skin list</source>
        <translation>皮肤列表</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>Load skin</source>
        <translation>载入皮肤</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>设计者</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>设计者：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>说明：</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>皮肤</translation>
    </message>
    <message>
        <source>Use WinAmp genre extensions</source>
        <translation>使用 WinAmp 扩展流派</translation>
    </message>
    <message>
        <source>Use Velorine auto Unicode text translation</source>
        <translation>使用 Velorine 自动 Unicode 文字转换</translation>
    </message>
    <message>
        <source>Use MARLOW</source>
        <translation>使用 MARLOW</translation>
    </message>
    <message>
        <source>Prefer ID3v2</source>
        <translation>优先使用 ID3v2</translation>
    </message>
    <message>
        <source>Show the ID3v2 tag of MP3 files that have an ID3v1 tag too</source>
        <translation>对同时带有 ID3v1 标签的 MP3 文件显示其 ID3v2 标签</translation>
    </message>
    <message>
        <source>%a: artist
%n: name
%g: genre
%d: date
%s: source
%c: comment</source>
        <translation>%a：艺术家
%n：名称
%g：流派
%d：日期
%s：来源
%c：注释</translation>
    </message>
    <message>
        <source>ID3 extensions</source>
        <translation>ID3 扩展</translation>
    </message>
    <message>
        <source>Primary Track Panel Display</source>
        <translation>曲目面板主要显示</translation>
    </message>
    <message>
        <source>Alternate Track Panel Display</source>
        <translation>曲目面板备用显示</translation>
    </message>
    <message>
        <source>Track List Display</source>
        <translation>曲目列表显示</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>标签</translation>
    </message>
</context>
<context>
    <name>PanelLine</name>
    <message>
        <source>Scan: start</source>
        <translation>扫描：开始</translation>
    </message>
    <message>
        <source>Scan: stop</source>
        <translation>扫描：停止</translation>
    </message>
    <message>
        <source>Sort: start</source>
        <translation>排序：开始</translation>
    </message>
    <message>
        <source>Sort: stop</source>
        <translation>排序：停止</translation>
    </message>
    <message>
        <source>Loop: on</source>
        <translation>循环：开</translation>
    </message>
    <message>
        <source>Loop: off</source>
        <translation>循环：关</translation>
    </message>
    <message>
        <source>Random: on</source>
        <translation>随机：开</translation>
    </message>
    <message>
        <source>Random: off</source>
        <translation>随机：关</translation>
    </message>
    <message>
        <source>Speed: %1X</source>
        <translation>速度：%1X</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>正在打开...</translation>
    </message>
    <message>
        <source>No media file opened</source>
        <translation>未打开媒体文件</translation>
    </message>
</context>
<context>
    <name>Pellimorph</name>
    <message>
        <source>cannot open %1</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>No ID3v1 tag in %1, file left unchanged</source>
        <translation>%1 中没有 ID3v1 标签，文件未改动</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>cannot keep the change of %1 in the undo journal, so it was not made: %2</source>
        <translation>无法在撤销日志中记录 %1 的更改，因此未做更改：%2</translation>
    </message>
    <message>
        <source>cannot write the tag of %1</source>
        <translation>无法写入 %1 的标签</translation>
    </message>
    <message>
        <source>%1 more files were left as they are</source>
        <translation>另有 %1 个文件保持原样</translation>
    </message>
    <message>
        <source>dry run, nothing written: %1 to convert, %2 without a tag, %3 failed</source>
        <translation>试运行，未写入任何内容：%1 个待转换，%2 个无标签，%3 个失败</translation>
    </message>
    <message>
        <source>%1 converted, %2 without a tag, %3 failed</source>
        <translation>已转换 %1 个，%2 个无标签，%3 个失败</translation>
    </message>
    <message>
        <source>nothing to undo in %1</source>
        <translation>%1 中没有可撤销的操作</translation>
    </message>
    <message>
        <source>undoing the run of %1 at %2 (%3 changes)</source>
        <translation>正在撤销 %1 于 %2 的运行（%3 处更改）</translation>
    </message>
    <message>
        <source>%1 damaged lines of the journal %2 were skipped</source>
        <translation>已跳过日志 %2 中 %1 行损坏的内容</translation>
    </message>
    <message>
        <source>not every file was put back; the run stays in the journal</source>
        <translation>并非所有文件都已恢复；该次运行仍保留在日志中</translation>
    </message>
    <message>
        <source>Pellimorph 1.0, ID3v1 tag code page converter
Pellimorph converts ID3 tags between different character sets

Syntax: Pellimorph CPcurrent CPdesired filename.mp3

CPcurrent = codepage of current tag
CPdesired = desired codepage
Valid codepages are: ANSI, UTF8, BIG5, GB, SJIS, KSC
if any parameter has white space in it, enclose it in quotes
</source>
        <translation>Pellimorph 1.0，ID3v1 标签代码页转换器
Pellimorph 在不同字符集之间转换 ID3 标签

用法：Pellimorph CPcurrent CPdesired filename.mp3

CPcurrent = 当前标签的代码页
CPdesired = 目标代码页
可用的代码页：ANSI, UTF8, BIG5, GB, SJIS, KSC
参数中含有空格时，请用引号括起来
</translation>
    </message>
    <message>
        <source>Syntax: Pellimorph [--dry-run] CPcurrent CPdesired PATH...
        Pellimorph --undo
        Pellimorph --show [--from CP] PATH...

PATH = an MP3 file, or a folder: every MP3 file below it
CPcurrent may also be AUTO: the tag&apos;s marker, else the detected codepage
--dry-run shows the texts before and after and writes nothing
--undo puts back the files of the last run
</source>
        <translation>用法：Pellimorph [--dry-run] CPcurrent CPdesired PATH...
      Pellimorph --undo
      Pellimorph --show [--from CP] PATH...

PATH = 一个 MP3 文件，或一个文件夹：其下的所有 MP3 文件
CPcurrent 也可以是 AUTO：使用标签的标记，否则使用检测到的代码页
--dry-run 显示转换前后的文字，不写入任何内容
--undo 恢复上一次运行所改动的文件
</translation>
    </message>
    <message>
        <source>Cannot open %1, check file name</source>
        <translation>无法打开 %1，请检查文件名</translation>
    </message>
    <message>
        <source>Pellimorph: processing %1</source>
        <translation>Pellimorph：正在处理 %1</translation>
    </message>
    <message>
        <source>%1; this change cannot be undone</source>
        <translation>%1；此更改无法撤销</translation>
    </message>
    <message>
        <source>Cannot write the tag of %1</source>
        <translation>无法写入 %1 的标签</translation>
    </message>
    <message>
        <source>Syntax: Pellimorph --show [--from CP] PATH ...

Shows the ID3v1 tag of each file as one JSON line; a folder stands for
every MP3 file below it.
CP = codepage to read the tags in, else the marker&apos;s or the detected one
Valid codepages are: ANSI, UTF8, BIG5, GB, SJIS, KSC, AUTO
</source>
        <translation>用法：Pellimorph --show [--from CP] PATH ...

以一行 JSON 显示每个文件的 ID3v1 标签；文件夹表示
其下的所有 MP3 文件。
CP = 读取标签所用的代码页，否则使用标记的或检测到的代码页
可用的代码页：ANSI, UTF8, BIG5, GB, SJIS, KSC, AUTO
</translation>
    </message>
</context>
<context>
    <name>ShellTray</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>回到开头</translation>
    </message>
    <message>
        <source>End</source>
        <translation>跳到结尾</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
</context>
<context>
    <name>SkinLoader</name>
    <message>
        <source> not found!</source>
        <translation> 未找到！</translation>
    </message>
    <message>
        <source>Skin files not found</source>
        <translation>找不到皮肤文件</translation>
    </message>
    <message>
        <source>spec.txt parse error at line %1</source>
        <translation>spec.txt 第 %1 行解析错误</translation>
    </message>
</context>
<context>
    <name>TagView</name>
    <message>
        <source>%1 (guess)</source>
        <translation>%1（推测）</translation>
    </message>
</context>
<context>
    <name>TracklistStore</name>
    <message>
        <source>Tracklist is empty</source>
        <translation>曲目列表为空</translation>
    </message>
    <message>
        <source>No media file loaded</source>
        <translation>未载入媒体文件</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <source>Tracklist - %1</source>
        <translation>曲目列表 - %1</translation>
    </message>
    <message>
        <source>Tracklist not in UNICODE</source>
        <translation>曲目列表不是 UNICODE 格式</translation>
    </message>
    <message>
        <source>was not in UNICODE</source>
        <translation>不是 UNICODE 格式</translation>
    </message>
    <message>
        <source>Playlist too large (over %1 MiB)</source>
        <translation>播放列表过大（超过 %1 MiB）</translation>
    </message>
    <message>
        <source>was too large to open</source>
        <translation>太大，无法打开</translation>
    </message>
    <message>
        <source>Cannot open tracklist
Will attempt to create</source>
        <translation>无法打开曲目列表
将尝试创建</translation>
    </message>
    <message>
        <source>Cannot create.  Using %1 instead</source>
        <translation>无法创建。改用 %1</translation>
    </message>
    <message>
        <source>Cannot create.  Exiting...</source>
        <translation>无法创建。正在退出...</translation>
    </message>
    <message>
        <source>%1 %2; it was kept as %3</source>
        <translation>%1 %2；已另存为 %3</translation>
    </message>
    <message>
        <source>Cannot save tracklist</source>
        <translation>无法保存曲目列表</translation>
    </message>
    <message>
        <source>The tracklist has unsaved changes. Save them first?</source>
        <translation>曲目列表有未保存的更改。要先保存吗？</translation>
    </message>
    <message>
        <source>Tried 100 searches, none playable</source>
        <translation>已尝试搜索 100 次，没有可播放的文件</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Mode: Play</source>
        <translation>模式：播放</translation>
    </message>
    <message>
        <source>Mode: Pause</source>
        <translation>模式：暂停</translation>
    </message>
    <message>
        <source>Mode: Resume</source>
        <translation>模式：继续</translation>
    </message>
    <message>
        <source>Mode: Stop</source>
        <translation>模式：停止</translation>
    </message>
    <message>
        <source>Mode: Home</source>
        <translation>模式：回到开头</translation>
    </message>
    <message>
        <source>Loop: On</source>
        <translation>循环：开</translation>
    </message>
    <message>
        <source>Loop: Off</source>
        <translation>循环：关</translation>
    </message>
    <message>
        <source>Random: On</source>
        <translation>随机：开</translation>
    </message>
    <message>
        <source>Random: Off</source>
        <translation>随机：关</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>音量：%1</translation>
    </message>
    <message>
        <source>Mode: Seek</source>
        <translation>模式：定位</translation>
    </message>
    <message>
        <source>Speed: %1X</source>
        <translation>速度：%1X</translation>
    </message>
</context>
</TS>
