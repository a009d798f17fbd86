<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>CLSAskingPanel</name>
    <message>
        <source>ここに答えを入力します</source>
        <translation>Type your answer here</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>問題のグループ</source>
        <translation>The question&apos;s group</translation>
    </message>
    <message>
        <source>問題の正誤履歴</source>
        <translation>The question&apos;s right/wrong history</translation>
    </message>
    <message>
        <source>マーク(&amp;M)</source>
        <translation>&amp;Mark</translation>
    </message>
    <message>
        <source>ヒントの表示/非表示を切り替えます</source>
        <translation>Show or hide the hint</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>答え合わせをします</source>
        <translation>Check the answer</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>出題を中止します</source>
        <translation>Stop the run</translation>
    </message>
</context>
<context>
    <name>CLSCommandMenus</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>カード(&amp;C)</source>
        <translation>&amp;Card</translation>
    </message>
    <message>
        <source>学習(&amp;S)</source>
        <translation>&amp;Study</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>挿入(&amp;I)</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>マーク(&amp;K)</source>
        <translation>Mar&amp;k</translation>
    </message>
</context>
<context>
    <name>CLSCommandSet</name>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>ファイルを開く</source>
        <translation>Open a file</translation>
    </message>
    <message>
        <source>出題履歴を開く(&amp;H)...</source>
        <translation>Exam &amp;History...</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>インポート(&amp;I)...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>エクスポート(&amp;E)...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>データ情報(&amp;N)...</source>
        <translation>&amp;Data File Info...</translation>
    </message>
    <message>
        <source>印刷設定(&amp;T)...</source>
        <translation>Page Se&amp;tup...</translation>
    </message>
    <message>
        <source>印刷プレビュー(&amp;V)...</source>
        <translation>Print Pre&amp;view...</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>履歴のクリア(&amp;C)</source>
        <translation>&amp;Clear Recent Files</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集画面へ(&amp;E)</source>
        <translation>To the &amp;Editor</translation>
    </message>
    <message>
        <source>編集画面へ</source>
        <translation>Switch to the editor</translation>
    </message>
    <message>
        <source>学習画面へ(&amp;S)</source>
        <translation>To the &amp;Study Screen</translation>
    </message>
    <message>
        <source>学習画面へ</source>
        <translation>Switch to the study screen</translation>
    </message>
    <message>
        <source>ツールバー(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ステータスバー(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>カスタマイズ(&amp;C)...</source>
        <translation>&amp;Customize...</translation>
    </message>
    <message>
        <source>目次(&amp;C)...</source>
        <translation>&amp;Contents...</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About Vorel...</translation>
    </message>
    <message>
        <source>問題文を編集(&amp;Q)</source>
        <translation>Edit the &amp;Question</translation>
    </message>
    <message>
        <source>通常モード(&amp;M)</source>
        <translation>Normal &amp;Mode</translation>
    </message>
    <message>
        <source>通常モード</source>
        <translation>Normal mode</translation>
    </message>
    <message>
        <source>記述式モード(&amp;I)</source>
        <translation>Wr&amp;itten Mode</translation>
    </message>
    <message>
        <source>記述式モード</source>
        <translation>Written mode</translation>
    </message>
    <message>
        <source>選択式モード(&amp;E)</source>
        <translation>Choic&amp;e Mode</translation>
    </message>
    <message>
        <source>選択式モード</source>
        <translation>Choice mode</translation>
    </message>
    <message>
        <source>確認モード(&amp;O)</source>
        <translation>C&amp;onfirm Mode</translation>
    </message>
    <message>
        <source>確認モード</source>
        <translation>Confirm mode</translation>
    </message>
    <message>
        <source>出題範囲(&amp;S)...</source>
        <translation>Que&amp;stion Range...</translation>
    </message>
    <message>
        <source>出題範囲指定</source>
        <translation>Set the question range</translation>
    </message>
    <message>
        <source>すべて(&amp;A)</source>
        <translation>&amp;All in Order</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All in order</translation>
    </message>
    <message>
        <source>ランダム（すべて）(&amp;N)</source>
        <translation>Ra&amp;ndom (All)</translation>
    </message>
    <message>
        <source>ランダム（すべて）</source>
        <translation>Random (all)</translation>
    </message>
    <message>
        <source>ランダム（回数指定）(&amp;R)...</source>
        <translation>&amp;Random (Counted)...</translation>
    </message>
    <message>
        <source>ランダム（回数指定）</source>
        <translation>Random (counted)</translation>
    </message>
    <message>
        <source>弱点問題(&amp;W)...</source>
        <translation>&amp;Weak Points...</translation>
    </message>
    <message>
        <source>弱点問題</source>
        <translation>Weak points</translation>
    </message>
    <message>
        <source>完全(&amp;C)</source>
        <translation>&amp;Complete</translation>
    </message>
    <message>
        <source>完全</source>
        <translation>Complete (until every answer is right)</translation>
    </message>
    <message>
        <source>復習(&amp;V)</source>
        <translation>Re&amp;view</translation>
    </message>
    <message>
        <source>復習</source>
        <translation>Review the questions due</translation>
    </message>
    <message>
        <source>グループ・正誤履歴(&amp;G)</source>
        <translation>&amp;Group and Right/Wrong History</translation>
    </message>
    <message>
        <source>ツールヒント(&amp;O)</source>
        <translation>T&amp;ooltips</translation>
    </message>
    <message>
        <source>情報ペイン(&amp;I)</source>
        <translation>&amp;Information Pane</translation>
    </message>
    <message>
        <source>問題のヒント(&amp;H)</source>
        <translation>Question &amp;Hints</translation>
    </message>
    <message>
        <source>問題カード(&amp;Q)</source>
        <translation>&amp;Question Card</translation>
    </message>
</context>
<context>
    <name>CLSDlgAnswer</name>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>マーク(&amp;M)</source>
        <translation>&amp;Mark</translation>
    </message>
    <message>
        <source>正解にする(&amp;R)</source>
        <translation>Mark &amp;Right</translation>
    </message>
    <message>
        <source>不正解にする(&amp;W)</source>
        <translation>Mark &amp;Wrong</translation>
    </message>
    <message>
        <source>スキップ(&amp;S)</source>
        <translation>&amp;Skip</translation>
    </message>
    <message>
        <source>別解(&amp;O)...</source>
        <translation>&amp;Other Answers...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>別解</source>
        <translation>Other answers</translation>
    </message>
    <message>
        <source>もう一度(&amp;1)</source>
        <translation>Again (&amp;1)</translation>
    </message>
    <message>
        <source>正解(&amp;3)</source>
        <translation>Good (&amp;3)</translation>
    </message>
    <message>
        <source>難しい(&amp;2)</source>
        <translation>Hard (&amp;2)</translation>
    </message>
    <message>
        <source>簡単(&amp;4)</source>
        <translation>Easy (&amp;4)</translation>
    </message>
    <message>
        <source>正解！</source>
        <translation>Right!</translation>
    </message>
</context>
<context>
    <name>CLSDlgCount</name>
    <message>
        <source>回数指定</source>
        <translation>Number of Questions</translation>
    </message>
    <message>
        <source>回数(&amp;N)：</source>
        <translation>&amp;Number of questions:</translation>
    </message>
    <message>
        <source>一度出題した問題は出題しない(&amp;A)</source>
        <translation>Do not ask a question &amp;again</translation>
    </message>
    <message>
        <source>間違えた問題を出題する割合(&amp;W)</source>
        <translation>Share of &amp;wrong questions</translation>
    </message>
    <message>
        <source>少ない</source>
        <translation>Fewer</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>More</translation>
    </message>
    <message>
        <source>値が有効範囲を超えています。</source>
        <translation>The value is out of range.</translation>
    </message>
</context>
<context>
    <name>CLSDlgExamLog</name>
    <message>
        <source>出題履歴</source>
        <translation>Exam History</translation>
    </message>
    <message>
        <source>日付順</source>
        <translation>By Date</translation>
    </message>
    <message>
        <source>ファイル順</source>
        <translation>By File</translation>
    </message>
    <message>
        <source>最初の履歴</source>
        <translation>First run</translation>
    </message>
    <message>
        <source>履歴の番号</source>
        <translation>Number of the run</translation>
    </message>
    <message>
        <source>最後の履歴</source>
        <translation>Last run</translation>
    </message>
    <message>
        <source>エディタで開く(&amp;E)</source>
        <translation>Open in &amp;Editor</translation>
    </message>
    <message>
        <source>時刻：</source>
        <translation>Started:</translation>
    </message>
    <message>
        <source>ファイル名：</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>出題方法：</source>
        <translation>Method:</translation>
    </message>
    <message>
        <source>解答モード：</source>
        <translation>Answer mode:</translation>
    </message>
    <message>
        <source>正解率：</source>
        <translation>Accuracy:</translation>
    </message>
    <message>
        <source>所要時間：</source>
        <translation>Time taken:</translation>
    </message>
    <message>
        <source>再出題(&amp;R)...</source>
        <translation>&amp;Re-ask...</translation>
    </message>
    <message>
        <source>問題一覧(&amp;L)</source>
        <translation>Question &amp;List</translation>
    </message>
    <message>
        <source>グラフ(&amp;G)</source>
        <translation>&amp;Graphs</translation>
    </message>
    <message>
        <source>復習(&amp;V)</source>
        <translation>Re&amp;view</translation>
    </message>
    <message>
        <source>よく間違える問題(&amp;M)</source>
        <translation>Often &amp;Missed</translation>
    </message>
    <message>
        <source>読み込み中...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>解析中... %1%</source>
        <translation>Analysing... %1%</translation>
    </message>
    <message>
        <source>解析中... 0%</source>
        <translation>Analysing... 0%</translation>
    </message>
    <message>
        <source>解析中...</source>
        <translation>Analysing...</translation>
    </message>
    <message>
        <source>(1～%1)</source>
        <translation>(1–%1)</translation>
    </message>
    <message>
        <source>出題履歴はまだありません。学習を終えると記録されます。</source>
        <translation>There is no exam history yet. A run is recorded when it ends.</translation>
    </message>
    <message>
        <source>出題履歴のファイル %1 を開けるプログラムが見つかりません。</source>
        <translation>No program was found to open the exam history file %1.</translation>
    </message>
    <message>
        <source>出題する問題はありません。</source>
        <translation>There are no questions to ask.</translation>
    </message>
</context>
<context>
    <name>CLSDlgList</name>
    <message>
        <source>問題カード</source>
        <translation>Question Card</translation>
    </message>
    <message>
        <source>問題番号を入力します</source>
        <translation>Type the number of a question</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>別解(&amp;O)...</source>
        <translation>&amp;Other Answers...</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>検索(&amp;F)...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>復習をリセット</source>
        <translation>Reset Review</translation>
    </message>
    <message>
        <source>この問題の復習の予定を消して、新しい問題に戻します</source>
        <translation>Clear this question&apos;s review schedule and make it a new question again</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>問題のグループ</source>
        <translation>The question&apos;s group</translation>
    </message>
    <message>
        <source>問題の正誤履歴</source>
        <translation>The question&apos;s right/wrong history</translation>
    </message>
    <message>
        <source>復習の予定</source>
        <translation>Review schedule</translation>
    </message>
    <message>
        <source>マーク(&amp;M)</source>
        <translation>&amp;Mark</translation>
    </message>
    <message>
        <source>この問題の復習の予定を消して、新しい問題に戻しますか？</source>
        <translation>Clear this question&apos;s review schedule and make it a new question again?</translation>
    </message>
</context>
<context>
    <name>CLSDlgOtherAnswer</name>
    <message>
        <source>別解</source>
        <translation>Other Answers</translation>
    </message>
</context>
<context>
    <name>CLSDlgRange</name>
    <message>
        <source>出題範囲指定</source>
        <translation>Question Range</translation>
    </message>
    <message>
        <source>開始番号(&amp;B)：</source>
        <translation>&amp;Begin at:</translation>
    </message>
    <message>
        <source>終了番号(&amp;E)：</source>
        <translation>&amp;End at:</translation>
    </message>
    <message>
        <source>問題番号で指定(&amp;Q)</source>
        <translation>By &amp;question number</translation>
    </message>
    <message>
        <source>タイトル番号で指定(&amp;T)</source>
        <translation>By &amp;title number</translation>
    </message>
    <message>
        <source>グループ(&amp;G)</source>
        <translation>&amp;Groups</translation>
    </message>
    <message>
        <source>マーク</source>
        <translation>Marks</translation>
    </message>
    <message>
        <source>マーク設定は無視する(&amp;I)</source>
        <translation>&amp;Ignore the marks</translation>
    </message>
    <message>
        <source>マークされた問題を出題する(&amp;M)</source>
        <translation>Ask only the &amp;marked questions</translation>
    </message>
    <message>
        <source>マークされた問題は除外する(&amp;X)</source>
        <translation>E&amp;xclude the marked questions</translation>
    </message>
    <message>
        <source>出題対象の問題：</source>
        <translation>Questions to ask:</translation>
    </message>
    <message>
        <source>全範囲(&amp;D)</source>
        <translation>&amp;Whole Range</translation>
    </message>
    <message>
        <source>値が有効範囲を超えています。</source>
        <translation>The value is out of range.</translation>
    </message>
</context>
<context>
    <name>CLSDlgReaskMenu</name>
    <message>
        <source>再出題メニュー</source>
        <translation>Re-ask</translation>
    </message>
    <message>
        <source>間違えた問題を再出題する(&amp;T)</source>
        <translation>Re-ask the &amp;wrong questions</translation>
    </message>
    <message>
        <source>すべての問題を再出題する(&amp;A)</source>
        <translation>Re-ask &amp;all questions</translation>
    </message>
    <message>
        <source>選択された問題を再出題する(&amp;S)</source>
        <translation>Re-ask the &amp;selected questions</translation>
    </message>
    <message>
        <source>ランダムに出題(&amp;R)</source>
        <translation>In &amp;random order</translation>
    </message>
</context>
<context>
    <name>CLSDlgResult</name>
    <message>
        <source>結果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>出題数：</source>
        <translation>Asked:</translation>
    </message>
    <message>
        <source>解答数：</source>
        <translation>Answered:</translation>
    </message>
    <message>
        <source>正解数：</source>
        <translation>Right:</translation>
    </message>
    <message>
        <source>正解率：</source>
        <translation>Accuracy:</translation>
    </message>
    <message>
        <source>所要時間：</source>
        <translation>Time taken:</translation>
    </message>
    <message>
        <source>間違えた問題を再出題する(&amp;T)</source>
        <translation>Re-ask the &amp;wrong questions</translation>
    </message>
    <message>
        <source>ランダムに出題(&amp;R)</source>
        <translation>In &amp;random order</translation>
    </message>
    <message>
        <source>再出題(&amp;A)</source>
        <translation>Re-&amp;ask</translation>
    </message>
    <message>
        <source>閉じる(&amp;X)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>表示(&amp;I)...</source>
        <translation>&amp;Show...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>CLSExamLogCharts</name>
    <message>
        <source>正解率</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>出題数</source>
        <translation>Questions asked</translation>
    </message>
    <message>
        <source>正解率の推移 (%)</source>
        <translation>Accuracy over time (%)</translation>
    </message>
    <message>
        <source>表示中の出題</source>
        <translation>Run shown</translation>
    </message>
    <message>
        <source>日ごとの出題数</source>
        <translation>Questions asked per day</translation>
    </message>
    <message>
        <source>ファイル：</source>
        <translation>File: </translation>
    </message>
</context>
<context>
    <name>CLSExamLogRowModel</name>
    <message>
        <source>順番</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>問題番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>正誤</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>所要時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>グループ</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>CLSGeneralPageWidget</name>
    <message>
        <source>自動 (システムの言語)</source>
        <translation>Automatic (system language)</translation>
    </message>
    <message>
        <source>表示言語(&amp;I)：</source>
        <translation>&amp;Interface language:</translation>
    </message>
    <message>
        <source>表示言語の変更は、次に起動したときから有効になります。</source>
        <translation>A new interface language takes effect the next time Vorel starts.</translation>
    </message>
</context>
<context>
    <name>CLSMainWindow</name>
    <message>
        <source>Vorelデータファイル (*.vrf);;すべてのファイル (*)</source>
        <translation>Vorel data files (*.vrf);;All files (*)</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Vorel</translation>
    </message>
    <message>
        <source>バージョン %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;設定フォルダを開く&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Open the settings folder&lt;/a&gt;</translation>
    </message>
    <message>
        <source>ツールバー</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>ファイル履歴がありません</source>
        <translation>No recent files</translation>
    </message>
    <message>
        <source>ヘルプを見るには F1 キーを押してください。</source>
        <translation>Press F1 for help.</translation>
    </message>
    <message>
        <source>読み込み中...</source>
        <translation>Loading...</translation>
    </message>
</context>
<context>
    <name>CLSMissedQuestionsPage</name>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>復習</source>
        <translation>Reviews</translation>
    </message>
    <message>
        <source>出題</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>問題番号</source>
        <translation>The question&apos;s number</translation>
    </message>
    <message>
        <source>間違えた回数の合計</source>
        <translation>Times missed in all</translation>
    </message>
    <message>
        <source>復習で「もう一度」にした回数</source>
        <translation>Times graded “Again” in reviews</translation>
    </message>
    <message>
        <source>出題で間違えた回数（出題履歴から）</source>
        <translation>Times answered wrong in runs (from the exam history)</translation>
    </message>
    <message>
        <source>問題文</source>
        <translation>The question</translation>
    </message>
    <message>
        <source>よく間違える問題</source>
        <translation>Often missed questions</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>選んだ問題を再出題(&amp;Q)</source>
        <translation>Re-ask the Chosen &amp;Questions</translation>
    </message>
    <message>
        <source>このファイルで、復習で「もう一度」にした回数と出題で間違えた回数の多い問題です。選んで再出題できます。</source>
        <translation>The questions of this file most often graded “Again” in reviews or answered wrong in runs. Choose some to ask them again.</translation>
    </message>
    <message>
        <source>このファイルで間違えた問題はまだありません。</source>
        <translation>No question of this file has been missed yet.</translation>
    </message>
    <message>
        <source>問題がありません。</source>
        <translation>There are no questions.</translation>
    </message>
</context>
<context>
    <name>CLSOpeningPanel</name>
    <message>
        <source>ファイル名：</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>総問題数：</source>
        <translation>Questions:</translation>
    </message>
    <message>
        <source>メッセージ：</source>
        <translation>Message:</translation>
    </message>
</context>
<context>
    <name>CLSResultListModel</name>
    <message>
        <source>順番</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>正誤</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>所要時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>CLSReviewStatsPage</name>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>今日</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>問題数</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>今後30日の復習予定</source>
        <translation>Reviews due in the next 30 days</translation>
    </message>
    <message>
        <source>状態ごとの問題数</source>
        <translation>Questions by state</translation>
    </message>
    <message>
        <source>再学習</source>
        <translation>Relearning</translation>
    </message>
    <message>
        <source>復習</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>学習中</source>
        <translation>Learning</translation>
    </message>
    <message>
        <source>新規</source>
        <translation>New</translation>
    </message>
    <message>
        <source>週ごとの正解率</source>
        <translation>Accuracy by week</translation>
    </message>
    <message>
        <source>正解率</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>目標の正解率</source>
        <translation>Target accuracy</translation>
    </message>
    <message>
        <source>週</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>正解率 (%)</source>
        <translation>Accuracy (%)</translation>
    </message>
    <message>
        <source>分</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>日ごとの学習時間（過去30日）</source>
        <translation>Study time per day (last 30 days)</translation>
    </message>
    <message>
        <source>問題がありません。データファイルを開くと、その復習の予定が表示されます。</source>
        <translation>There are no questions. Open a data file to see its review schedule.</translation>
    </message>
    <message>
        <source>このファイルにはまだ復習した問題がありません。</source>
        <translation>No question of this file has been reviewed yet.</translation>
    </message>
    <message>
        <source>（正解率と学習時間は表示できません）</source>
        <translation> (accuracy and study time cannot be shown)</translation>
    </message>
    <message>
        <source>復習の記録はまだありません。</source>
        <translation>The review log has no reviews yet.</translation>
    </message>
    <message>
        <source>週ごとの正解率（目標%1%）</source>
        <translation>Accuracy by week (target %1%)</translation>
    </message>
</context>
<context>
    <name>CLSStudyScreen</name>
    <message>
        <source>ヘルプを見るには F1 キーを押してください。</source>
        <translation>Press F1 for help.</translation>
    </message>
    <message>
        <source>中止しますか？</source>
        <translation>Stop the run?</translation>
    </message>
    <message>
        <source>今日復習する問題はありません。</source>
        <translation>No questions are due for review today.</translation>
    </message>
    <message>
        <source>今日復習する問題はありません。%1</source>
        <translation>No questions are due for review today. %1</translation>
    </message>
    <message>
        <source>復習には V3.0 のデータファイルが必要です。V3.0 に変換しますか？</source>
        <translation>Reviews need a data file of version 3.0. Convert the file to version 3.0?</translation>
    </message>
    <message>
        <source>復習の記録を開けません。</source>
        <translation>Cannot open the review log.</translation>
    </message>
    <message>
        <source>選択中...</source>
        <translation>Choosing...</translation>
    </message>
    <message>
        <source>問題%1</source>
        <translation>Question %1</translation>
    </message>
    <message>
        <source>正解%1</source>
        <translation>Right %1</translation>
    </message>
    <message>
        <source>誤答%1</source>
        <translation>Wrong %1</translation>
    </message>
</context>
<context>
    <name>CLSWndHints</name>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>前のヒント</source>
        <translation>Previous hint</translation>
    </message>
    <message>
        <source>次のヒント</source>
        <translation>Next hint</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>ファイル %1 を読み込めません。</source>
        <translation>Cannot read the file %1.</translation>
    </message>
    <message>
        <source>ファイル %1 を開けません。</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>10月</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>11月</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>12月</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>1月</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>2月</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>3月</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>4月</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>5月</source>
        <translation>May</translation>
    </message>
    <message>
        <source>6月</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>7月</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>8月</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>9月</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All in order</translation>
    </message>
    <message>
        <source>すべての問題を再出題</source>
        <translation>Re-ask all questions</translation>
    </message>
    <message>
        <source>すべての問題を再出題(ランダム)</source>
        <translation>Re-ask all questions (random)</translation>
    </message>
    <message>
        <source>ファイルを読み込むには，「ファイル」メニューの「開く」を実行して下さい。</source>
        <translation>To read a file, choose Open on the File menu.</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>ランダム(すべて)</source>
        <translation>Random (all)</translation>
    </message>
    <message>
        <source>ランダム(一度出題した問題は出題しない)</source>
        <translation>Random (no question twice)</translation>
    </message>
    <message>
        <source>ランダム(完全)</source>
        <translation>Random (complete)</translation>
    </message>
    <message>
        <source>ランダム(弱点問題)</source>
        <translation>Random (weak points)</translation>
    </message>
    <message>
        <source>ランダム(弱点問題)(一度出題した問題は出題しない)</source>
        <translation>Random (weak points, no question twice)</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>出題範囲を指定するには，「学習」メニューの「出題範囲」を実行して下さい。</source>
        <translation>To choose the questions asked, choose Question Range on the Study menu.</translation>
    </message>
    <message>
        <source>復習</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>徹底的に暗記したいときは，「完全」を実行します。範囲内の問題をすべて正解するまで終わりません。</source>
        <translation>To learn by heart thoroughly, choose Complete. It does not end until every question in the range has been answered right.</translation>
    </message>
    <message>
        <source>最近間違えた問題を中心に出題したいときは，「弱点問題」を実行します。</source>
        <translation>To be asked mostly what you got wrong lately, choose Weak Points.</translation>
    </message>
    <message>
        <source>標準モードでは，データファイル指定の形式で解答します。</source>
        <translation>In normal mode, each question is answered the way the data file asks for.</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>確認モードでは，「答え」ボタンをクリックすると答えが表示され，自分で正解／不正解を決められます。</source>
        <translation>In confirm mode, the Answer button shows the answer, and you decide yourself whether you were right.</translation>
    </message>
    <message>
        <source>記述式</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>記述式モードにすると，すべての問題を記述式で出題します。</source>
        <translation>In written mode, every question asks for a written answer.</translation>
    </message>
    <message>
        <source>通常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>選択された問題を再出題</source>
        <translation>Re-ask the selected questions</translation>
    </message>
    <message>
        <source>選択された問題を再出題(ランダム)</source>
        <translation>Re-ask the selected questions (random)</translation>
    </message>
    <message>
        <source>選択式</source>
        <translation>Choice</translation>
    </message>
    <message>
        <source>選択式モードにすると，すべての問題を選択式で出題します。このとき，「表示」－「カスタマイズ」メニューの「問題」タブの「選択肢」欄で，選択肢を選んでくる問題の種類を指定できます。</source>
        <translation>In choice mode, every question is asked with choices. On the Question page of View &gt; Customize, the Choices box sets which questions the choices are taken from.</translation>
    </message>
    <message>
        <source>間違えた問題を再出題</source>
        <translation>Re-ask the wrong questions</translation>
    </message>
    <message>
        <source>間違えた問題を再出題(ランダム)</source>
        <translation>Re-ask the wrong questions (random)</translation>
    </message>
    <message>
        <source>順番に出題したいときは，「すべて」を実行します。</source>
        <translation>To be asked in order, choose All in Order.</translation>
    </message>
    <message>
        <source>%1%2日(%3)</source>
        <translation>%3 %2 %1</translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1問</source>
        <translation>%1 questions</translation>
    </message>
    <message>
        <source>%1年</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1年%2%3日(%4)</source>
        <translation>%4 %3 %2 %1</translation>
    </message>
    <message>
        <source>%1日(%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1時%2分</source>
        <translation>%1:%3</translation>
    </message>
    <message>
        <source>%1時%2分%3秒</source>
        <translation>%1:%4:%5</translation>
    </message>
    <message>
        <source>%1時間%2分%3秒</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>(1～%1)</source>
        <translation>(1–%1)</translation>
    </message>
    <message>
        <source>1問</source>
        <translation>1 question</translation>
    </message>
    <message>
        <source>21個の数が必要です (%1個あります)</source>
        <translation>21 numbers are needed (there are %1)</translation>
    </message>
    <message>
        <source>w%1 が負の数です (%2)</source>
        <translation>w%1 is negative (%2)</translation>
    </message>
    <message>
        <source>「%1」は 1m、10m、1h、1d のように書いてください</source>
        <translation>write “%1” as 1m, 10m, 1h or 1d</translation>
    </message>
    <message>
        <source>「%1」は0より長くしてください</source>
        <translation>“%1” must be longer than 0</translation>
    </message>
    <message>
        <source>「%1」は数ではありません</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>「%1」は長すぎます (1年まで)</source>
        <translation>“%1” is too long (a year at most)</translation>
    </message>
    <message>
        <source>このプログラムより新しい版で作られています (版 %1)</source>
        <translation>it was made by a newer version of the program (version %1)</translation>
    </message>
    <message>
        <source>ほかのプログラムが使っています</source>
        <translation>another program is using it</translation>
    </message>
    <message>
        <source>カンマの後に数がありません</source>
        <translation>there is no number after the last comma</translation>
    </message>
    <message>
        <source>カンマの間に数がありません</source>
        <translation>there is no number between two commas</translation>
    </message>
    <message>
        <source>グループ</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>ディスクがいっぱいです</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>データベースのファイルではありません</source>
        <translation>it is not a database file</translation>
    </message>
    <message>
        <source>パラメーターの最適化には %1 件以上の復習が必要です (いまは %2 件です)</source>
        <translation>Fitting the parameters needs at least %1 reviews (there are %2 now)</translation>
    </message>
    <message>
        <source>ファイルが壊れています</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>ファイルの読み書きに失敗しました</source>
        <translation>reading or writing the file failed</translation>
    </message>
    <message>
        <source>ファイルを開けません</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>ファイル名がありません</source>
        <translation>there is no file name</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>there is not enough memory</translation>
    </message>
    <message>
        <source>一日の始まり %1 時は 0 から 23 時にしてください</source>
        <translation>the start of the day (%1 o’clock) must be from 0 to 23</translation>
    </message>
    <message>
        <source>今日の復習</source>
        <translation>Due today</translation>
    </message>
    <message>
        <source>再学習中</source>
        <translation>Relearning</translation>
    </message>
    <message>
        <source>出題履歴</source>
        <translation>Exam history</translation>
    </message>
    <message>
        <source>出題履歴ファイルに書き込みできません。</source>
        <translation>Cannot write to the exam history file.</translation>
    </message>
    <message>
        <source>出題方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>前の復習から日をまたいだ復習がないため、パラメーターを最適化できません</source>
        <translation>The parameters cannot be fitted: no review came on a later day than the review before it</translation>
    </message>
    <message>
        <source>学習ステップが正しくありません: %1</source>
        <translation>The learning steps are not valid: %1</translation>
    </message>
    <message>
        <source>学習中</source>
        <translation>Learning</translation>
    </message>
    <message>
        <source>安定度 %1日</source>
        <translation>Stability %1 days</translation>
    </message>
    <message>
        <source>復習のパラメーターが正しくありません: %1</source>
        <translation>The review parameters are not valid: %1</translation>
    </message>
    <message>
        <source>復習の時刻が正しくありません</source>
        <translation>the time of the review is not valid</translation>
    </message>
    <message>
        <source>復習の記録のファイルではありません</source>
        <translation>it is not a review log</translation>
    </message>
    <message>
        <source>復習の記録を書き込めません: %1</source>
        <translation>Cannot write the review log: %1</translation>
    </message>
    <message>
        <source>復習の記録を読めません: %1</source>
        <translation>Cannot read the review log: %1</translation>
    </message>
    <message>
        <source>復習中</source>
        <translation>In review</translation>
    </message>
    <message>
        <source>復習前の状態 %1 は 0 から 3 のどれかにしてください</source>
        <translation>the state before the review (%1) must be 0 to 3</translation>
    </message>
    <message>
        <source>想起率 %1%</source>
        <translation>Recall %1%</translation>
    </message>
    <message>
        <source>所要時間</source>
        <translation>Time taken</translation>
    </message>
    <message>
        <source>新しい問題</source>
        <translation>New</translation>
    </message>
    <message>
        <source>日,月,火,水,木,金,土</source>
        <translation>Sun,Mon,Tue,Wed,Thu,Fri,Sat</translation>
    </message>
    <message>
        <source>時差 %1 分は -720 から 840 分にしてください</source>
        <translation>the time zone offset (%1 minutes) must be from -720 to 840 minutes</translation>
    </message>
    <message>
        <source>普通のファイルではありません</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>書き込みが許されていません</source>
        <translation>writing is not permitted</translation>
    </message>
    <message>
        <source>最低%1</source>
        <translation>at least %1</translation>
    </message>
    <message>
        <source>期日 %1 %2:%3</source>
        <translation>Due %1, %2:%3</translation>
    </message>
    <message>
        <source>次の復習は %1 %2 です。</source>
        <translation>The next review is on %1 at %2.</translation>
    </message>
    <message>
        <source>正解率</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>残り問題</source>
        <translation>Questions left</translation>
    </message>
    <message>
        <source>残り時間</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>減衰 (w20) は 0.1～0.8 にしてください (%1)</source>
        <translation>the decay (w20) must be from 0.1 to 0.8 (%1)</translation>
    </message>
    <message>
        <source>解答モード</source>
        <translation>Answer mode</translation>
    </message>
    <message>
        <source>解答時間が負になっています</source>
        <translation>the answer time is negative</translation>
    </message>
    <message>
        <source>記憶の安定度か難易度が正しくありません</source>
        <translation>the stability or the difficulty is not valid</translation>
    </message>
    <message>
        <source>記録 %1 がありません</source>
        <translation>there is no record %1</translation>
    </message>
    <message>
        <source>評価 %1 は 1 から 4 のどれかにしてください</source>
        <translation>the grade %1 must be 1 to 4</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>出題</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
