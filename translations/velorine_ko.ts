<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>BatchReport</name>
    <message>
        <source>1 file</source>
        <translation>파일 1개</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>파일 %1개</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> 외 %1개</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1에 썼습니다</translation>
    </message>
    <message>
        <source>Removed the tag of %1</source>
        <translation>%1의 태그를 제거했습니다</translation>
    </message>
    <message>
        <source>; %1 has nothing to write</source>
        <translation>; %1은(는) 쓸 내용이 없습니다</translation>
    </message>
    <message>
        <source>; %1 have nothing to write</source>
        <translation>; %1은(는) 쓸 내용이 없습니다</translation>
    </message>
    <message>
        <source>; cannot write %1</source>
        <translation>; %1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>; cannot remove the tag of %1</source>
        <translation>; %1의 태그를 제거할 수 없습니다</translation>
    </message>
    <message>
        <source> (left selected)</source>
        <translation> (선택 유지)</translation>
    </message>
    <message>
        <source> (undo journal: %1)</source>
        <translation> (실행 취소 기록: %1)</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>실행 취소할 작업이 없습니다</translation>
    </message>
    <message>
        <source>Undid the last write: %1 restored</source>
        <translation>마지막 쓰기를 취소했습니다: %1 복원</translation>
    </message>
    <message>
        <source> (a run of %1)</source>
        <translation> (%1의 실행)</translation>
    </message>
    <message>
        <source>; and %1 more left alone</source>
        <translation>; 그 외 %1개는 그대로 두었습니다</translation>
    </message>
</context>
<context>
    <name>CCoverWnd</name>
    <message>
        <source>album cover</source>
        <translation>앨범 커버</translation>
    </message>
</context>
<context>
    <name>CDictionaryWnd</name>
    <message>
        <source>Filename</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>표시 이름</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>아티스트</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>출처</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>장르</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>The dictionary has unsaved changes.
Save them before closing?</source>
        <translation>사전에 저장하지 않은 변경 사항이 있습니다.
닫기 전에 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Save dictionary</source>
        <translation>사전 저장</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Mapping Dictionary[*]</source>
        <translation>매핑 사전[*]</translation>
    </message>
    <message>
        <source>Entry list</source>
        <translation>항목 목록</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>항목 추가</translation>
    </message>
    <message>
        <source>Please type in a filename</source>
        <translation>파일 이름을 입력하십시오</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>Multi-Tag Edit</source>
        <translation>여러 태그 편집</translation>
    </message>
    <message>
        <source>Tag Edit: </source>
        <translation>태그 편집: </translation>
    </message>
</context>
<context>
    <name>CFilterDialog</name>
    <message>
        <source>Properties</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>DirectX Filters</source>
        <translation>DirectX 필터</translation>
    </message>
    <message>
        <source>Video: %1 frames shown, %2 dropped (%3)</source>
        <translation>비디오: %1프레임 표시, %2프레임 누락 (%3)</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>skin keyword &quot;%1&quot;</source>
        <translation>스킨 키워드 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Drag the face</source>
        <translation>본체 끌기</translation>
    </message>
    <message>
        <source>moves the window</source>
        <translation>창을 이동합니다</translation>
    </message>
    <message>
        <source>Drag a slider&apos;s thumb</source>
        <translation>슬라이더 손잡이 끌기</translation>
    </message>
    <message>
        <source>position (seeks on release), volume or balance</source>
        <translation>재생 위치(놓을 때 이동), 볼륨 또는 밸런스</translation>
    </message>
    <message>
        <source>Double-click the track display</source>
        <translation>트랙 표시 두 번 클릭</translation>
    </message>
    <message>
        <source>shows or hides the tracklist</source>
        <translation>트랙 목록을 표시하거나 숨깁니다</translation>
    </message>
    <message>
        <source>Right-click the track display</source>
        <translation>트랙 표시 마우스 오른쪽 클릭</translation>
    </message>
    <message>
        <source>primary or alternate text</source>
        <translation>기본 또는 대체 텍스트</translation>
    </message>
    <message>
        <source>Double-click the time display</source>
        <translation>시간 표시 두 번 클릭</translation>
    </message>
    <message>
        <source>elapsed, remaining or total time</source>
        <translation>경과 시간, 남은 시간 또는 전체 시간</translation>
    </message>
    <message>
        <source>Right-click the face</source>
        <translation>본체 마우스 오른쪽 클릭</translation>
    </message>
    <message>
        <source>the system menu: Options, Help, Exit</source>
        <translation>시스템 메뉴: 옵션, 도움말, 끝내기</translation>
    </message>
    <message>
        <source>Drop files or folders on the face</source>
        <translation>파일이나 폴더를 본체에 놓기</translation>
    </message>
    <message>
        <source>they join the tracklist and the first one opens</source>
        <translation>트랙 목록에 추가되고 첫 번째 항목이 열립니다</translation>
    </message>
    <message>
        <source>Hold a seek, volume or balance button</source>
        <translation>탐색, 볼륨 또는 밸런스 버튼 누르고 있기</translation>
    </message>
    <message>
        <source>repeats</source>
        <translation>반복합니다</translation>
    </message>
    <message>
        <source>A skinned jukebox. Every control shows its name when the mouse rests on it.</source>
        <translation>스킨을 바꿀 수 있는 주크박스입니다. 마우스를 올리면 각 컨트롤의 이름이 표시됩니다.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Controls of the face</source>
        <translation>본체의 컨트롤</translation>
    </message>
    <message>
        <source>Velorine Help</source>
        <translation>Velorine 도움말</translation>
    </message>
</context>
<context>
    <name>CMarlowispDlg</name>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>아티스트</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>앨범</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>연도</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>트랙</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>코드 페이지</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>열 수 없음</translation>
    </message>
    <message>
        <source>no tag</source>
        <translation>태그 없음</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>제목:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>아티스트:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>앨범:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>연도:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>주석:</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>트랙:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>장르:</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>파일 추가...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>폴더 추가...</translation>
    </message>
    <message>
        <source>Undo last write</source>
        <translation>마지막 쓰기 취소</translation>
    </message>
    <message>
        <source>Put back the bytes the last Write or Remove changed, also after a restart</source>
        <translation>마지막 &quot;쓰기&quot; 또는 &quot;제거&quot;로 바뀐 바이트를 되돌립니다(다시 시작한 후에도 가능)</translation>
    </message>
    <message>
        <source>Track number, 1 to 255; empty or 0 for none</source>
        <translation>트랙 번호(1~255), 비워 두거나 0이면 없음</translation>
    </message>
    <message>
        <source>Write this field</source>
        <translation>이 필드 쓰기</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>쓰기</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Sel All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>As detected</source>
        <translation>감지된 대로</translation>
    </message>
    <message>
        <source>Each file in the code page its text is in</source>
        <translation>각 파일의 텍스트가 사용하는 코드 페이지</translation>
    </message>
    <message>
        <source>Convert all text</source>
        <translation>모든 텍스트 변환</translation>
    </message>
    <message>
        <source>Write every text field in the chosen code page, as it reads now</source>
        <translation>모든 텍스트 필드를 지금 보이는 그대로 선택한 코드 페이지로 씁니다</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Marlowisp...</source>
        <translation>Marlowisp 정보(&amp;A)...</translation>
    </message>
    <message>
        <source>About Marlowisp</source>
        <translation>Marlowisp 정보</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>파일 추가</translation>
    </message>
    <message>
        <source>MP3 files (*.mp3 *.MP3);;All files (*)</source>
        <translation>MP3 파일 (*.mp3 *.MP3);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>폴더 추가</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1을(를) 열 수 없습니다</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>장르</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>열 수 없음</translation>
    </message>
    <message>
        <source>now %1</source>
        <translation>현재 %1</translation>
    </message>
    <message>
        <source>; nothing to write</source>
        <translation>; 쓸 내용 없음</translation>
    </message>
    <message>
        <source>; written in %1</source>
        <translation>; %1(으)로 씀</translation>
    </message>
    <message>
        <source>, which cannot hold every character</source>
        <translation>, 이 코드 페이지로는 모든 문자를 나타낼 수 없음</translation>
    </message>
    <message>
        <source>from: %1</source>
        <translation>원본: %1</translation>
    </message>
    <message>
        <source>Select files to see what a Write does to them.</source>
        <translation>파일을 선택하면 &quot;쓰기&quot;의 결과를 볼 수 있습니다.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>현재</translation>
    </message>
    <message>
        <source>Written and read back</source>
        <translation>쓴 후 다시 읽은 내용</translation>
    </message>
    <message>
        <source>and %1 more selected files, not shown here.</source>
        <translation>선택한 파일 %1개가 더 있으며 여기에 표시되지 않습니다.</translation>
    </message>
</context>
<context>
    <name>CMessageWindow</name>
    <message>
        <source>1 earlier message</source>
        <translation>이전 메시지 1개</translation>
    </message>
    <message>
        <source>%1 earlier messages</source>
        <translation>이전 메시지 %1개</translation>
    </message>
</context>
<context>
    <name>CTracklistWnd</name>
    <message>
        <source>Select</source>
        <translation>선택</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>현재 트랙으로 이동</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>정렬</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>다시 검색</translation>
    </message>
    <message>
        <source>Open/New</source>
        <translation>열기/새로 만들기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>SaveAs</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>중단</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Fullpath</source>
        <translation>전체 경로</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>장르</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>출처</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>아티스트</translation>
    </message>
    <message>
        <source>Full pathname</source>
        <translation>전체 경로 이름</translation>
    </message>
    <message>
        <source>A/V</source>
        <translation>오디오/비디오</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>매핑</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>만든 날짜</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>Index/Total</source>
        <translation>번호/전체</translation>
    </message>
    <message>
        <source>Track listing</source>
        <translation>트랙 목록</translation>
    </message>
    <message>
        <source>Show tags</source>
        <translation>태그 표시</translation>
    </message>
    <message>
        <source>Tracklist</source>
        <translation>트랙 목록</translation>
    </message>
    <message>
        <source>Hide tags</source>
        <translation>태그 숨기기</translation>
    </message>
    <message>
        <source>File Selection</source>
        <translation>파일 선택</translation>
    </message>
    <message>
        <source>Load tracklist</source>
        <translation>트랙 목록 불러오기</translation>
    </message>
    <message>
        <source>Save tracklist</source>
        <translation>트랙 목록 저장</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>항목 추가</translation>
    </message>
    <message>
        <source>Please type in a filename</source>
        <translation>파일 이름을 입력하십시오</translation>
    </message>
</context>
<context>
    <name>CVelorineApp</name>
    <message>
        <source>Cannot save the settings to %1</source>
        <translation>설정을 %1에 저장할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>CVelorineWnd</name>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Check display mode!</source>
        <translation>디스플레이 모드를 확인하십시오!</translation>
    </message>
</context>
<context>
    <name>CVideoWnd</name>
    <message>
        <source>Zoom</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Shrink</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Conform</source>
        <translation>표준 크기</translation>
    </message>
    <message>
        <source>Filter	Ctrl-F</source>
        <translation>필터	Ctrl-F</translation>
    </message>
    <message>
        <source>Pause	Space</source>
        <translation>일시 정지	Space</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>재설정</translation>
    </message>
    <message>
        <source>Fullscreen	Alt+Enter</source>
        <translation>전체 화면	Alt+Enter</translation>
    </message>
    <message>
        <source>Maximize	Dbl-Click</source>
        <translation>최대화	두 번 클릭</translation>
    </message>
    <message>
        <source>video playback</source>
        <translation>비디오 재생</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>사전</translation>
    </message>
    <message>
        <source>Tracklist</source>
        <translation>트랙 목록</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>되감기</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>반복</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>무작위</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Help!</source>
        <translation>도움말!</translation>
    </message>
    <message>
        <source>System menu</source>
        <translation>시스템 메뉴</translation>
    </message>
    <message>
        <source>Switch view</source>
        <translation>보기 전환</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>커버</translation>
    </message>
    <message>
        <source>Forward seek</source>
        <translation>앞으로 탐색</translation>
    </message>
    <message>
        <source>Reverse seek</source>
        <translation>뒤로 탐색</translation>
    </message>
    <message>
        <source>Track display</source>
        <translation>트랙 표시</translation>
    </message>
    <message>
        <source>Time display</source>
        <translation>시간 표시</translation>
    </message>
    <message>
        <source>A/V status</source>
        <translation>오디오/비디오 상태</translation>
    </message>
    <message>
        <source>Tag/Dic status</source>
        <translation>태그/사전 상태</translation>
    </message>
    <message>
        <source>Position control</source>
        <translation>재생 위치</translation>
    </message>
    <message>
        <source>Volume control</source>
        <translation>볼륨</translation>
    </message>
    <message>
        <source>Balance control</source>
        <translation>밸런스</translation>
    </message>
</context>
<context>
    <name>DictionaryStore</name>
    <message>
        <source>Cannot open default.dic
Will attempt to create</source>
        <translation>default.dic을(를) 열 수 없습니다
새로 만들어 보겠습니다</translation>
    </message>
    <message>
        <source>Cannot create.  Exiting...</source>
        <translation>만들 수 없습니다. 종료합니다...</translation>
    </message>
    <message>
        <source>Dictionary not in UNICODE</source>
        <translation>사전이 UNICODE 형식이 아닙니다</translation>
    </message>
    <message>
        <source>Cannot open default.dic</source>
        <translation>default.dic을(를) 열 수 없습니다</translation>
    </message>
    <message>
        <source>Dictionary saved</source>
        <translation>사전을 저장했습니다</translation>
    </message>
    <message>
        <source>default.dic was not in UNICODE; it was kept as %1</source>
        <translation>default.dic이(가) UNICODE 형식이 아니어서 %1(으)로 보관했습니다</translation>
    </message>
</context>
<context>
    <name>ExtensionLists</name>
    <message>
        <source>Cannot open %1
Will attempt to create</source>
        <translation>%1을(를) 열 수 없습니다
새로 만들어 보겠습니다</translation>
    </message>
    <message>
        <source>Cannot create.  Exiting...</source>
        <translation>만들 수 없습니다. 종료합니다...</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1을(를) 열 수 없습니다</translation>
    </message>
</context>
<context>
    <name>FallbackSkin</name>
    <message>
        <source>Skin files not found</source>
        <translation>스킨 파일을 찾을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>KeyHelp</name>
    <message>
        <source>Space</source>
        <translation>Space 키</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>왼쪽 화살표</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>오른쪽 화살표</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위쪽 화살표</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래쪽 화살표</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home 키</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End 키</translation>
    </message>
    <message>
        <source>Keypad +</source>
        <translation>숫자 키패드 +</translation>
    </message>
    <message>
        <source>Keypad -</source>
        <translation>숫자 키패드 -</translation>
    </message>
    <message>
        <source>Volume up key</source>
        <translation>볼륨 높이기 키</translation>
    </message>
    <message>
        <source>Volume down key</source>
        <translation>볼륨 낮추기 키</translation>
    </message>
    <message>
        <source>Seek back %1 s</source>
        <translation>%1초 뒤로</translation>
    </message>
    <message>
        <source>Seek forward %1 s</source>
        <translation>%1초 앞으로</translation>
    </message>
    <message>
        <source>Slower (down to 0.25x)</source>
        <translation>느리게(최저 0.25배)</translation>
    </message>
    <message>
        <source>Faster (up to 2x)</source>
        <translation>빠르게(최고 2배)</translation>
    </message>
    <message>
        <source>Boss key: pause and hide the video, or come back</source>
        <translation>보스 키: 일시 정지하고 비디오 숨기기, 또는 되돌리기</translation>
    </message>
    <message>
        <source>Track display: primary or alternate text</source>
        <translation>트랙 표시: 기본 또는 대체 텍스트</translation>
    </message>
    <message>
        <source>Pause/resume</source>
        <translation>일시 정지/계속</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>볼륨 높이기</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>볼륨 낮추기</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
</context>
<context>
    <name>MediaEngine</name>
    <message>
        <source>video size</source>
        <translation>비디오 크기</translation>
    </message>
    <message>
        <source>video output</source>
        <translation>비디오 출력</translation>
    </message>
    <message>
        <source>The graph gave no description</source>
        <translation>필터 그래프가 설명을 주지 않았습니다</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1에 실패했습니다</translation>
    </message>
    <message>
        <source>Operation Failed, HRESULT %1
</source>
        <translation>작업 실패, HRESULT %1
</translation>
    </message>
    <message>
        <source>Asking for the %1 interface</source>
        <translation>%1 인터페이스 요청</translation>
    </message>
    <message>
        <source>Creating the graph</source>
        <translation>필터 그래프 만들기</translation>
    </message>
    <message>
        <source>Getting the event handle</source>
        <translation>이벤트 핸들 가져오기</translation>
    </message>
    <message>
        <source>Failed to init quartz core</source>
        <translation>quartz 코어를 초기화하지 못했습니다</translation>
    </message>
    <message>
        <source>Rendering the file</source>
        <translation>파일 렌더링</translation>
    </message>
    <message>
        <source>Cannot render the file</source>
        <translation>파일을 렌더링할 수 없습니다</translation>
    </message>
    <message>
        <source>Running the graph</source>
        <translation>필터 그래프 실행</translation>
    </message>
    <message>
        <source>Stopping the graph</source>
        <translation>필터 그래프 정지</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Web site</source>
        <translation>웹 사이트</translation>
    </message>
    <message>
        <source>Got to Velorine website</source>
        <translation>Velorine 웹 사이트로 이동</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>전자 메일</translation>
    </message>
    <message>
        <source>E-Mail the author</source>
        <translation>작성자에게 전자 메일 보내기</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>List of audio extensions</source>
        <translation>오디오 확장자 목록</translation>
    </message>
    <message>
        <source>List of video extensions</source>
        <translation>비디오 확장자 목록</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Add an audio extension</source>
        <translation>오디오 확장자 추가</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Add a video extension</source>
        <translation>비디오 확장자 추가</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Delete the extension</source>
        <translation>확장자 삭제</translation>
    </message>
    <message>
        <source>Add extension</source>
        <translation>확장자 추가</translation>
    </message>
    <message>
        <source>Please type in an extension</source>
        <translation>확장자를 입력하십시오</translation>
    </message>
    <message>
        <source>File extension</source>
        <translation>파일 확장자</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>ANSI (Western)</source>
        <translation>ANSI(서유럽어)</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>항상 위</translation>
    </message>
    <message>
        <source>Stay on top of all other windows</source>
        <translation>다른 모든 창 위에 표시합니다</translation>
    </message>
    <message>
        <source>Scroll text</source>
        <translation>텍스트 스크롤</translation>
    </message>
    <message>
        <source>Scroll long text in track display</source>
        <translation>트랙 표시에서 긴 텍스트를 스크롤합니다</translation>
    </message>
    <message>
        <source>Autoplay on drop</source>
        <translation>끌어 놓으면 자동 재생</translation>
    </message>
    <message>
        <source>Play dropped file immediately</source>
        <translation>끌어 놓은 파일을 바로 재생합니다</translation>
    </message>
    <message>
        <source>For tag text without a code-page marker; Automatic reads it from the text</source>
        <translation>코드 페이지 표시가 없는 태그 텍스트에 사용합니다. &quot;자동&quot;은 텍스트에서 판단합니다</translation>
    </message>
    <message>
        <source>Pop-up text delay, in 100ms units</source>
        <translation>팝업 텍스트 표시 시간(100밀리초 단위)</translation>
    </message>
    <message>
        <source>Default character set</source>
        <translation>기본 문자 집합</translation>
    </message>
    <message>
        <source>Popup (100ms)</source>
        <translation>팝업(100밀리초)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Skin list</source>
        <translation>스킨 목록</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>불러오기</translation>
    </message>
    <message>
        <source>Load skin</source>
        <translation>스킨 불러오기</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>디자이너</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>설명</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>디자이너:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>버전:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>설명:</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>스킨</translation>
    </message>
    <message>
        <source>Use WinAmp genre extensions</source>
        <translation>WinAmp 확장 장르 사용</translation>
    </message>
    <message>
        <source>Use Velorine auto Unicode text translation</source>
        <translation>Velorine 자동 유니코드 텍스트 변환 사용</translation>
    </message>
    <message>
        <source>Use MARLOW</source>
        <translation>MARLOW 사용</translation>
    </message>
    <message>
        <source>Prefer ID3v2</source>
        <translation>ID3v2 우선</translation>
    </message>
    <message>
        <source>Show the ID3v2 tag of MP3 files that have an ID3v1 tag too</source>
        <translation>ID3v1 태그도 있는 MP3 파일은 ID3v2 태그를 표시합니다</translation>
    </message>
    <message>
        <source>%a: artist
%n: name
%g: genre
%d: date
%s: source
%c: comment</source>
        <translation>%a: 아티스트
%n: 이름
%g: 장르
%d: 날짜
%s: 출처
%c: 주석</translation>
    </message>
    <message>
        <source>ID3 extensions</source>
        <translation>ID3 확장</translation>
    </message>
    <message>
        <source>Primary Track Panel Display</source>
        <translation>트랙 패널 기본 표시</translation>
    </message>
    <message>
        <source>Alternate Track Panel Display</source>
        <translation>트랙 패널 대체 표시</translation>
    </message>
    <message>
        <source>Track List Display</source>
        <translation>트랙 목록 표시</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>태그</translation>
    </message>
</context>
<context>
    <name>PanelLine</name>
    <message>
        <source>Scan: start</source>
        <translation>검색: 시작</translation>
    </message>
    <message>
        <source>Scan: stop</source>
        <translation>검색: 중지</translation>
    </message>
    <message>
        <source>Sort: start</source>
        <translation>정렬: 시작</translation>
    </message>
    <message>
        <source>Sort: stop</source>
        <translation>정렬: 중지</translation>
    </message>
    <message>
        <source>Loop: on</source>
        <translation>반복: 켬</translation>
    </message>
    <message>
        <source>Loop: off</source>
        <translation>반복: 끔</translation>
    </message>
    <message>
        <source>Random: on</source>
        <translation>무작위: 켬</translation>
    </message>
    <message>
        <source>Random: off</source>
        <translation>무작위: 끔</translation>
    </message>
    <message>
        <source>Speed: %1X</source>
        <translation>속도: %1X</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>여는 중...</translation>
    </message>
    <message>
        <source>No media file opened</source>
        <translation>열린 미디어 파일이 없습니다</translation>
    </message>
</context>
<context>
    <name>Pellimorph</name>
    <message>
        <source>cannot open %1</source>
        <translation>%1을(를) 열 수 없습니다</translation>
    </message>
    <message>
        <source>No ID3v1 tag in %1, file left unchanged</source>
        <translation>%1에 ID3v1 태그가 없어 파일을 바꾸지 않았습니다</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>cannot keep the change of %1 in the undo journal, so it was not made: %2</source>
        <translation>%1의 변경 내용을 실행 취소 기록에 남길 수 없어 변경하지 않았습니다: %2</translation>
    </message>
    <message>
        <source>cannot write the tag of %1</source>
        <translation>%1의 태그를 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>%1 more files were left as they are</source>
        <translation>나머지 파일 %1개는 그대로 두었습니다</translation>
    </message>
    <message>
        <source>dry run, nothing written: %1 to convert, %2 without a tag, %3 failed</source>
        <translation>시험 실행, 아무것도 쓰지 않음: 변환 대상 %1개, 태그 없음 %2개, 실패 %3개</translation>
    </message>
    <message>
        <source>%1 converted, %2 without a tag, %3 failed</source>
        <translation>변환 %1개, 태그 없음 %2개, 실패 %3개</translation>
    </message>
    <message>
        <source>nothing to undo in %1</source>
        <translation>%1에 실행 취소할 작업이 없습니다</translation>
    </message>
    <message>
        <source>undoing the run of %1 at %2 (%3 changes)</source>
        <translation>%2에 실행한 %1의 작업을 취소하는 중(변경 %3개)</translation>
    </message>
    <message>
        <source>%1 damaged lines of the journal %2 were skipped</source>
        <translation>기록 %2의 손상된 줄 %1개를 건너뛰었습니다</translation>
    </message>
    <message>
        <source>not every file was put back; the run stays in the journal</source>
        <translation>일부 파일을 되돌리지 못했습니다. 이 작업은 기록에 남아 있습니다</translation>
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
        <translation>Pellimorph 1.0, ID3v1 태그 코드 페이지 변환기
Pellimorph는 ID3 태그를 다른 문자 집합으로 변환합니다

사용법: Pellimorph CPcurrent CPdesired filename.mp3

CPcurrent = 현재 태그의 코드 페이지
CPdesired = 바꿀 코드 페이지
사용할 수 있는 코드 페이지: ANSI, UTF8, BIG5, GB, SJIS, KSC
인수에 공백이 있으면 따옴표로 묶으십시오
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
        <translation>사용법: Pellimorph [--dry-run] CPcurrent CPdesired PATH...
        Pellimorph --undo
        Pellimorph --show [--from CP] PATH...

PATH = MP3 파일 또는 폴더(그 아래의 모든 MP3 파일)
CPcurrent는 AUTO일 수도 있습니다: 태그의 표시, 없으면 감지한 코드 페이지
--dry-run 변환 전후의 텍스트를 보여 주고 아무것도 쓰지 않습니다
--undo 마지막 실행에서 바뀐 파일을 되돌립니다
</translation>
    </message>
    <message>
        <source>Cannot open %1, check file name</source>
        <translation>%1을(를) 열 수 없습니다. 파일 이름을 확인하십시오</translation>
    </message>
    <message>
        <source>Pellimorph: processing %1</source>
        <translation>Pellimorph: %1 처리 중</translation>
    </message>
    <message>
        <source>%1; this change cannot be undone</source>
        <translation>%1. 이 변경은 취소할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot write the tag of %1</source>
        <translation>%1의 태그를 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Syntax: Pellimorph --show [--from CP] PATH ...

Shows the ID3v1 tag of each file as one JSON line; a folder stands for
every MP3 file below it.
CP = codepage to read the tags in, else the marker&apos;s or the detected one
Valid codepages are: ANSI, UTF8, BIG5, GB, SJIS, KSC, AUTO
</source>
        <translation>사용법: Pellimorph --show [--from CP] PATH ...

각 파일의 ID3v1 태그를 JSON 한 줄로 보여 줍니다. 폴더는
그 아래의 모든 MP3 파일을 뜻합니다.
CP = 태그를 읽을 코드 페이지(없으면 표시 또는 감지한 코드 페이지)
사용할 수 있는 코드 페이지: ANSI, UTF8, BIG5, GB, SJIS, KSC, AUTO
</translation>
    </message>
</context>
<context>
    <name>ShellTray</name>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>끝내기</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>처음으로</translation>
    </message>
    <message>
        <source>End</source>
        <translation>끝으로</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
</context>
<context>
    <name>SkinLoader</name>
    <message>
        <source> not found!</source>
        <translation>을(를) 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>Skin files not found</source>
        <translation>스킨 파일을 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>spec.txt parse error at line %1</source>
        <translation>spec.txt %1번째 줄에서 구문 분석 오류</translation>
    </message>
</context>
<context>
    <name>TagView</name>
    <message>
        <source>%1 (guess)</source>
        <translation>%1 (추정)</translation>
    </message>
</context>
<context>
    <name>TracklistStore</name>
    <message>
        <source>Tracklist is empty</source>
        <translation>트랙 목록이 비어 있습니다</translation>
    </message>
    <message>
        <source>No media file loaded</source>
        <translation>불러온 미디어 파일이 없습니다</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>범위를 벗어났습니다</translation>
    </message>
    <message>
        <source>Tracklist - %1</source>
        <translation>트랙 목록 - %1</translation>
    </message>
    <message>
        <source>Tracklist not in UNICODE</source>
        <translation>트랙 목록이 UNICODE 형식이 아닙니다</translation>
    </message>
    <message>
        <source>was not in UNICODE</source>
        <translation>은(는) UNICODE 형식이 아니었습니다</translation>
    </message>
    <message>
        <source>Playlist too large (over %1 MiB)</source>
        <translation>재생 목록이 너무 큽니다(%1MiB 초과)</translation>
    </message>
    <message>
        <source>was too large to open</source>
        <translation>은(는) 너무 커서 열 수 없었습니다</translation>
    </message>
    <message>
        <source>Cannot open tracklist
Will attempt to create</source>
        <translation>트랙 목록을 열 수 없습니다
새로 만들어 보겠습니다</translation>
    </message>
    <message>
        <source>Cannot create.  Using %1 instead</source>
        <translation>만들 수 없습니다. 대신 %1을(를) 사용합니다</translation>
    </message>
    <message>
        <source>Cannot create.  Exiting...</source>
        <translation>만들 수 없습니다. 종료합니다...</translation>
    </message>
    <message>
        <source>%1 %2; it was kept as %3</source>
        <translation>%1%2. %3(으)로 보관했습니다</translation>
    </message>
    <message>
        <source>Cannot save tracklist</source>
        <translation>트랙 목록을 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>The tracklist has unsaved changes. Save them first?</source>
        <translation>트랙 목록에 저장하지 않은 변경 사항이 있습니다. 먼저 저장하시겠습니까?</translation>
    </message>
    <message>
        <source>Tried 100 searches, none playable</source>
        <translation>100번 찾았지만 재생할 수 있는 파일이 없습니다</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Mode: Play</source>
        <translation>모드: 재생</translation>
    </message>
    <message>
        <source>Mode: Pause</source>
        <translation>모드: 일시 정지</translation>
    </message>
    <message>
        <source>Mode: Resume</source>
        <translation>모드: 계속</translation>
    </message>
    <message>
        <source>Mode: Stop</source>
        <translation>모드: 정지</translation>
    </message>
    <message>
        <source>Mode: Home</source>
        <translation>모드: 처음으로</translation>
    </message>
    <message>
        <source>Loop: On</source>
        <translation>반복: 켬</translation>
    </message>
    <message>
        <source>Loop: Off</source>
        <translation>반복: 끔</translation>
    </message>
    <message>
        <source>Random: On</source>
        <translation>무작위: 켬</translation>
    </message>
    <message>
        <source>Random: Off</source>
        <translation>무작위: 끔</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>볼륨: %1</translation>
    </message>
    <message>
        <source>Mode: Seek</source>
        <translation>모드: 탐색</translation>
    </message>
    <message>
        <source>Speed: %1X</source>
        <translation>속도: %1X</translation>
    </message>
</context>
</TS>
