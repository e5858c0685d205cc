<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Captions</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>New(&amp;N)</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Close(&amp;C)</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save as(&amp;A)...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Print(&amp;P)...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Setting(&amp;S)</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Port(&amp;C)...</source>
        <translation>ポート(&amp;C)...</translation>
    </message>
    <message>
        <source>Range(&amp;G)...</source>
        <translation>範囲(&amp;G)...</translation>
    </message>
    <message>
        <source>Appearance(&amp;S)...</source>
        <translation>外観(&amp;S)...</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Contents(&amp;C)...</source>
        <translation>目次(&amp;C)...</translation>
    </message>
    <message>
        <source>Topics(&amp;S)...</source>
        <translation>トピック(&amp;S)...</translation>
    </message>
    <message>
        <source>Orvik Weight Web(&amp;G)</source>
        <translation>Orvik Weight Web(&amp;G)</translation>
    </message>
    <message>
        <source>Orvik Web(&amp;H)</source>
        <translation>Orvik Web(&amp;H)</translation>
    </message>
    <message>
        <source>About(&amp;A)...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>System info.(&amp;S)...</source>
        <translation>システム情報(&amp;S)...</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Go to date(&amp;D)...</source>
        <translation>日付へ移動(&amp;D)...</translation>
    </message>
    <message>
        <source>Import(&amp;I)...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Export(&amp;E)...</source>
        <translation>エクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Units(&amp;U)</source>
        <translation>単位(&amp;U)</translation>
    </message>
    <message>
        <source>Kilograms (kg)(&amp;K)</source>
        <translation>キログラム (kg)(&amp;K)</translation>
    </message>
    <message>
        <source>Pounds (lb)(&amp;P)</source>
        <translation>ポンド (lb)(&amp;P)</translation>
    </message>
    <message>
        <source>Stones and pounds (st lb)(&amp;T)</source>
        <translation>ストーン・ポンド (st lb)(&amp;T)</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Tarvel</source>
        <translation>Tarvel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>トピック</translation>
    </message>
    <message>
        <source>Orvik Weight Web</source>
        <translation>Orvik Weight Web</translation>
    </message>
    <message>
        <source>Orvik Web</source>
        <translation>Orvik Web</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Tarvel Data</source>
        <translation>Tarvelデータ</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Noto Sans CJK JP</translation>
    </message>
    <message>
        <source>8000</source>
        <translation>8000</translation>
    </message>
    <message>
        <source>Diary</source>
        <translation>日記</translation>
    </message>
    <message>
        <source>List</source>
        <translation>一覧</translation>
    </message>
    <message>
        <source>Weight trend</source>
        <translation>体重の推移</translation>
    </message>
    <message>
        <source>BMI trend</source>
        <translation>BMIの推移</translation>
    </message>
    <message>
        <source>&apos;s Tarvel</source>
        <translation>さんのTarvel</translation>
    </message>
    <message>
        <source> &apos;s data list</source>
        <translation> さんのデータ一覧</translation>
    </message>
    <message>
        <source> &apos;s weight trend</source>
        <translation> さんの体重の推移</translation>
    </message>
    <message>
        <source> &apos;s BMI trend</source>
        <translation> さんのBMIの推移</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>身長</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>体重</translation>
    </message>
    <message>
        <source>BMI</source>
        <translation>BMI</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>男性</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>女性</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Previous data</source>
        <translation>前のデータ</translation>
    </message>
    <message>
        <source>Next data</source>
        <translation>次のデータ</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>データを保存</translation>
    </message>
    <message>
        <source>New data</source>
        <translation>新規データ</translation>
    </message>
    <message>
        <source>Delete this data</source>
        <translation>このデータを削除</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>(1) Morning</source>
        <translation>(1) 朝</translation>
    </message>
    <message>
        <source>(2) Night</source>
        <translation>(2) 夜</translation>
    </message>
    <message>
        <source>Port setting</source>
        <translation>ポートの設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>ボーレート</translation>
    </message>
    <message>
        <source>Data bit</source>
        <translation>データビット</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>パリティ</translation>
    </message>
    <message>
        <source>Stop bit</source>
        <translation>ストップビット</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>Range setting</source>
        <translation>範囲の設定</translation>
    </message>
    <message>
        <source>Range for BMI trend</source>
        <translation>BMIの推移の範囲</translation>
    </message>
    <message>
        <source> - </source>
        <translation> ～ </translation>
    </message>
    <message>
        <source>Time span for trend [month]</source>
        <translation>推移の期間 [月]</translation>
    </message>
    <message>
        <source>Appearance setting</source>
        <translation>外観の設定</translation>
    </message>
    <message>
        <source>Select screen color.</source>
        <translation>画面の色を選択してください。</translation>
    </message>
    <message>
        <source>4-color</source>
        <translation>4色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>グレー</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>ボタン</translation>
    </message>
    <message>
        <source>Version info.</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>System info.</source>
        <translation>システム情報</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>The Tarvel developers</source>
        <translation>Tarvelの開発者</translation>
    </message>
    <message>
        <source>Tarvel is free software under the MIT License, provided as is, without any warranty. It keeps a personal diary of body weight and is no medical device: ask a doctor about your health.</source>
        <translation>TarvelはMITライセンスのフリーソフトウェアで、現状のまま無保証で提供されます。個人の体重を記録する日記であり、医療機器ではありません。健康については医師にご相談ください。</translation>
    </message>
    <message>
        <source>Data file cannot be opened.</source>
        <translation>データファイルを開けません。</translation>
    </message>
    <message>
        <source>Input your height. (cm)</source>
        <translation>身長を入力してください。(cm)</translation>
    </message>
    <message>
        <source>Input your weight. (kg)</source>
        <translation>体重を入力してください。(kg)</translation>
    </message>
    <message>
        <source>Input your height and weight.</source>
        <translation>身長と体重を入力してください。</translation>
    </message>
    <message>
        <source>Input your name.</source>
        <translation>名前を入力してください。</translation>
    </message>
    <message>
        <source>Input date. (yyyy/mm/dd)</source>
        <translation>日付を入力してください。(yyyy/mm/dd)</translation>
    </message>
    <message>
        <source>Input time. (hh:mm)</source>
        <translation>時刻を入力してください。(hh:mm)</translation>
    </message>
    <message>
        <source>Invalid input at weight or BMI.</source>
        <translation>体重またはBMIの入力が正しくありません。</translation>
    </message>
    <message>
        <source>Invalid date.</source>
        <translation>日付が正しくありません。</translation>
    </message>
    <message>
        <source>Date format should be </source>
        <translation>日付は</translation>
    </message>
    <message>
        <source>Invalid time.</source>
        <translation>時刻が正しくありません。</translation>
    </message>
    <message>
        <source>Time format should be hh:mm.</source>
        <translation>時刻はhh:mmの形式で入力してください。</translation>
    </message>
    <message>
        <source>Following data will be deleted.</source>
        <translation>次のデータを削除します。</translation>
    </message>
    <message>
        <source> Date: </source>
        <translation> 日付: </translation>
    </message>
    <message>
        <source> Time: </source>
        <translation> 時刻: </translation>
    </message>
    <message>
        <source> Weight: </source>
        <translation> 体重: </translation>
    </message>
    <message>
        <source> BMI: </source>
        <translation> BMI: </translation>
    </message>
    <message>
        <source>Continue process?</source>
        <translation>続行しますか？</translation>
    </message>
    <message>
        <source>Data is changed.</source>
        <translation>データが変更されています。</translation>
    </message>
    <message>
        <source>Save data and continue process?</source>
        <translation>データを保存して続行しますか？</translation>
    </message>
    <message>
        <source>File is not saved.</source>
        <translation>ファイルが保存されていません。</translation>
    </message>
    <message>
        <source>Would you like to save the file?</source>
        <translation>ファイルを保存しますか？</translation>
    </message>
    <message>
        <source>All the data will be lost if file is not saved.</source>
        <translation>ファイルを保存しないと、すべてのデータが失われます。</translation>
    </message>
    <message>
        <source>Would you like to overwrite the file?</source>
        <translation>ファイルを上書きしますか？</translation>
    </message>
    <message>
        <source>New entries will be lost if the file is not saved.</source>
        <translation>ファイルを保存しないと、新しく入力したデータが失われます。</translation>
    </message>
    <message>
        <source>Cannot open communication port.</source>
        <translation>通信ポートを開けません。</translation>
    </message>
    <message>
        <source>Backup data was kept from the last time.</source>
        <translation>前回のバックアップデータが残っています。</translation>
    </message>
    <message>
        <source>Would you like to recall data from the backup?</source>
        <translation>バックアップからデータを復元しますか？</translation>
    </message>
    <message>
        <source>Do not use &quot;,&quot; for file name.</source>
        <translation>名前に「,」は使えません。</translation>
    </message>
    <message>
        <source>Maximum height is 300cm.</source>
        <translation>身長は300cmまでです。</translation>
    </message>
    <message>
        <source>Maximum weight is 150kg.</source>
        <translation>体重は150kgまでです。</translation>
    </message>
    <message>
        <source>Cannot printout over 10 lines of text.</source>
        <translation>10行を超えるテキストは印刷できません。</translation>
    </message>
    <message>
        <source>.</source>
        <translation>の形式で入力してください。</translation>
    </message>
    <message>
        <source>OV1 Files</source>
        <translation>OV1ファイル</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Data file cannot be saved.</source>
        <translation>データファイルを保存できません。</translation>
    </message>
    <message>
        <source>This file is not a Tarvel diary.</source>
        <translation>このファイルはTarvelの日記ではありません。</translation>
    </message>
    <message>
        <source>Lines that cannot be read: %1</source>
        <translation>読み込めない行: %1</translation>
    </message>
    <message>
        <source>They will be left out when the file is saved.</source>
        <translation>これらの行はファイルの保存時に省かれます。</translation>
    </message>
    <message>
        <source>The diary already holds this date.</source>
        <translation>この日付は日記にすでにあります。</translation>
    </message>
    <message>
        <source>Add the weighings of this page to it?</source>
        <translation>このページの測定値をその日に追加しますか？</translation>
    </message>
    <message>
        <source>The day already holds a weighing in the same slot. Nothing was saved.</source>
        <translation>その日の同じ時間帯にはすでに測定値があります。何も保存されませんでした。</translation>
    </message>
    <message>
        <source>Cannot find open port.</source>
        <translation>使用できるポートが見つかりません。</translation>
    </message>
    <message>
        <source>Designated port cannot be used.</source>
        <translation>指定されたポートは使用できません。</translation>
    </message>
    <message>
        <source>Cannot show system info.</source>
        <translation>システム情報を表示できません。</translation>
    </message>
    <message>
        <source>Input your name</source>
        <translation>名前を入力</translation>
    </message>
    <message>
        <source>Showing data location</source>
        <translation>表示中のデータの位置</translation>
    </message>
    <message>
        <source>Total number of data</source>
        <translation>データの総数</translation>
    </message>
    <message>
        <source>Input date or click right button</source>
        <translation>入力するか、右のボタンをクリック</translation>
    </message>
    <message>
        <source>Input height</source>
        <translation>身長を入力</translation>
    </message>
    <message>
        <source>Input weight</source>
        <translation>体重を入力</translation>
    </message>
    <message>
        <source>BMI is calculated from height and weight</source>
        <translation>BMIは身長と体重から計算されます</translation>
    </message>
    <message>
        <source>Input date</source>
        <translation>カレンダーで日付を選択</translation>
    </message>
    <message>
        <source>Input current time</source>
        <translation>現在の時刻を入力</translation>
    </message>
    <message>
        <source>Select sex</source>
        <translation>性別を選択</translation>
    </message>
    <message>
        <source>Input memo or diary</source>
        <translation>メモや日記を入力</translation>
    </message>
    <message>
        <source>See previous data</source>
        <translation>前のデータを表示</translation>
    </message>
    <message>
        <source>See next data</source>
        <translation>次のデータを表示</translation>
    </message>
    <message>
        <source>Current data is stored</source>
        <translation>現在のデータを保存</translation>
    </message>
    <message>
        <source>Data correction is stored</source>
        <translation>修正を保存</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>新規入力</translation>
    </message>
    <message>
        <source>Click the input date.</source>
        <translation>入力する日付をクリックしてください。</translation>
    </message>
    <message>
        <source>Select communication port</source>
        <translation>通信ポートを選択</translation>
    </message>
    <message>
        <source>Showing preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Select the range of BMI graph</source>
        <translation>BMIグラフの範囲を選択</translation>
    </message>
    <message>
        <source>Select the time span of graph</source>
        <translation>グラフの期間を選択</translation>
    </message>
    <message>
        <source>en</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>2</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Morning time</source>
        <translation>朝の時刻</translation>
    </message>
    <message>
        <source>Night time</source>
        <translation>夜の時刻</translation>
    </message>
    <message>
        <source>Morning weight</source>
        <translation>朝の体重</translation>
    </message>
    <message>
        <source>Night weight</source>
        <translation>夜の体重</translation>
    </message>
    <message>
        <source>Morning BMI</source>
        <translation>朝のBMI</translation>
    </message>
    <message>
        <source>Night BMI</source>
        <translation>夜のBMI</translation>
    </message>
    <message>
        <source>Morning memo</source>
        <translation>朝のメモ</translation>
    </message>
    <message>
        <source>Night memo</source>
        <translation>夜のメモ</translation>
    </message>
    <message>
        <source>Choose the date</source>
        <translation>日付を選択</translation>
    </message>
    <message>
        <source>Enter the morning time</source>
        <translation>朝の時刻を入力</translation>
    </message>
    <message>
        <source>Enter the night time</source>
        <translation>夜の時刻を入力</translation>
    </message>
    <message>
        <source>Compute the morning BMI</source>
        <translation>朝のBMIを計算</translation>
    </message>
    <message>
        <source>Compute the night BMI</source>
        <translation>夜のBMIを計算</translation>
    </message>
    <message>
        <source>Data list</source>
        <translation>データ一覧</translation>
    </message>
    <message>
        <source>Records %1 to %2 of %3</source>
        <translation>全%3件中 %1～%2件目</translation>
    </message>
    <message>
        <source>Weight trend graph</source>
        <translation>体重の推移グラフ</translation>
    </message>
    <message>
        <source>BMI trend graph</source>
        <translation>BMIの推移グラフ</translation>
    </message>
    <message>
        <source>%1 to %2: first weight %3, last weight %4</source>
        <translation>%1～%2: 最初の体重 %3、最後の体重 %4</translation>
    </message>
    <message>
        <source>%1 to %2: first BMI %3, last BMI %4</source>
        <translation>%1～%2: 最初のBMI %3、最後のBMI %4</translation>
    </message>
    <message>
        <source>%1 to %2: no weighing in this period</source>
        <translation>%1～%2: この期間の計測はありません</translation>
    </message>
    <message>
        <source>Previous records</source>
        <translation>前のデータ</translation>
    </message>
    <message>
        <source>Next records</source>
        <translation>次のデータ</translation>
    </message>
    <message>
        <source>Previous period</source>
        <translation>前の期間</translation>
    </message>
    <message>
        <source>Next period</source>
        <translation>次の期間</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>No records yet</source>
        <translation>まだデータがありません</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <source>Diary tabs</source>
        <translation>日記のタブ</translation>
    </message>
    <message>
        <source>Record number</source>
        <translation>データ番号</translation>
    </message>
    <message>
        <source>Weighing</source>
        <translation>計測</translation>
    </message>
    <message>
        <source>%1, morning</source>
        <translation>%1、朝</translation>
    </message>
    <message>
        <source>%1, night</source>
        <translation>%1、夜</translation>
    </message>
    <message>
        <source>Input time or click right button</source>
        <translation>時刻を入力するか、右のボタンをクリック</translation>
    </message>
    <message>
        <source>Open a calendar to choose the day</source>
        <translation>カレンダーを開いて日付を選択</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>月の日付</translation>
    </message>
    <message>
        <source>Trend %1, %2/week</source>
        <translation>傾向 %1、%2/週</translation>
    </message>
    <message>
        <source>Trend %1</source>
        <translation>傾向 %1</translation>
    </message>
    <message>
        <source>Goal %1: about %2</source>
        <translation>目標 %1: %2 頃</translation>
    </message>
    <message>
        <source>Goal %1: reached</source>
        <translation>目標 %1: 達成</translation>
    </message>
    <message>
        <source>Goal %1: %2 to go</source>
        <translation>目標 %1: あと %2</translation>
    </message>
    <message>
        <source>Goal weight [%1]</source>
        <translation>目標体重 [%1]</translation>
    </message>
    <message>
        <source>Scale: %1 asleep, waiting</source>
        <translation>体重計: %1 スリープ中、待機しています</translation>
    </message>
    <message>
        <source>Bluetooth is off</source>
        <translation>Bluetooth がオフです</translation>
    </message>
    <message>
        <source>Scale: %1 on %2 at %3, not stored: that day&apos;s %4 weight is already stored</source>
        <translation>体重計: %2 %3 の %1 は保存されていません: その日の%4の体重は保存済みです</translation>
    </message>
    <message>
        <source>Bluetooth scale</source>
        <translation>Bluetooth 体重計</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>検索中...</translation>
    </message>
    <message>
        <source>No scale found</source>
        <translation>体重計が見つかりません</translation>
    </message>
    <message>
        <source>Scale user</source>
        <translation>体重計のユーザー</translation>
    </message>
    <message>
        <source>Every user</source>
        <translation>すべてのユーザー</translation>
    </message>
    <message>
        <source>User %1</source>
        <translation>ユーザー %1</translation>
    </message>
    <message>
        <source>The weight the trend is to reach; leave empty for no goal</source>
        <translation>傾向が到達すべき体重。目標なしの場合は空欄</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Go to date</source>
        <translation>日付へ移動</translation>
    </message>
    <message>
        <source>whole diary</source>
        <translation>日記全体</translation>
    </message>
    <message>
        <source>BMI %1</source>
        <translation>BMI %1</translation>
    </message>
    <message>
        <source>Select the day to show</source>
        <translation>表示する日を選択</translation>
    </message>
    <message>
        <source>No scale</source>
        <translation>体重計なし</translation>
    </message>
    <message>
        <source>Scale: %1 connected</source>
        <translation>体重計: %1 接続中</translation>
    </message>
    <message>
        <source>Scale: %1 connected, last reading %2 at %3</source>
        <translation>体重計: %1 接続中、最後の計測 %2 (%3)</translation>
    </message>
    <message>
        <source>Scale: %1 not connected</source>
        <translation>体重計: %1 未接続</translation>
    </message>
    <message>
        <source>Scale: %1 connected again</source>
        <translation>体重計: %1 再接続しました</translation>
    </message>
    <message>
        <source>No scale: %1 could not be opened (Setting &gt; Port chooses the scale)</source>
        <translation>体重計なし: %1 を開けませんでした ([設定] &gt; [ポート] で体重計を選択)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSVファイル</translation>
    </message>
    <message>
        <source>Rows imported: %1</source>
        <translation>取り込んだ行: %1</translation>
    </message>
    <message>
        <source>Rows of days already in the diary: %1</source>
        <translation>既に日記にある日の行: %1</translation>
    </message>
    <message>
        <source>Extra weighings of a half-day (its first is kept): %1</source>
        <translation>同じ半日の追加の計測 (最初のものを残す): %1</translation>
    </message>
    <message>
        <source>Rows without a weight: %1</source>
        <translation>体重のない行: %1</translation>
    </message>
    <message>
        <source>Rows skipped as computed (interpolated or trend): %1</source>
        <translation>計算値として飛ばした行 (補間またはトレンド): %1</translation>
    </message>
    <message>
        <source>(line %1)</source>
        <translation>(%1 行目)</translation>
    </message>
    <message>
        <source>(lines %1)</source>
        <translation>(%1 行目)</translation>
    </message>
    <message>
        <source>Nothing is stored until you choose Import. The first rows as they will be stored:</source>
        <translation>[インポート] を選ぶまで何も保存されません。保存される最初の行:</translation>
    </message>
    <message>
        <source>The file does not name the unit of its weights. Are they kilograms or pounds?</source>
        <translation>ファイルに体重の単位がありません。キログラムですか、ポンドですか?</translation>
    </message>
    <message>
        <source>Kilograms (kg)</source>
        <translation>キログラム (kg)</translation>
    </message>
    <message>
        <source>Pounds (lb)</source>
        <translation>ポンド (lb)</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>ファイルの値</translation>
    </message>
    <message>
        <source>As kg</source>
        <translation>kg として</translation>
    </message>
    <message>
        <source>As lb</source>
        <translation>lb として</translation>
    </message>
    <message>
        <source>The file names no weight unit: its weights were read as %1 (--unit kg|lb chooses).</source>
        <translation>ファイルに体重の単位がないため %1 として読みました (--unit kg|lb で選べます)。</translation>
    </message>
    <message>
        <source>Rows that could not be read: %1</source>
        <translation>読み取れなかった行: %1</translation>
    </message>
    <message>
        <source>The file holds no date and weight columns.</source>
        <translation>このファイルには日付と体重の列がありません。</translation>
    </message>
    <message>
        <source>The CSV file cannot be written.</source>
        <translation>CSVファイルに書き込めません。</translation>
    </message>
    <message>
        <source>Weights in &quot;%1&quot; cannot be imported: the weight column must be in kg, lb or st.</source>
        <translation>「%1」の体重は取り込めません。体重の列は kg、lb、st のいずれかにしてください。</translation>
    </message>
    <message>
        <source>Scale: %1 at %2, not stored: the page shows %3</source>
        <translation>体重計: %1 (%2)、未保存: 表示中のページは %3 です</translation>
    </message>
    <message>
        <source>Scale: %1 at %2, not stored: the page&apos;s %3 weight is already stored</source>
        <translation>体重計: %1 (%2)、未保存: このページの %3 の体重は保存済みです</translation>
    </message>
    <message>
        <source>%1 was changed by another program after Tarvel read or saved it.</source>
        <translation>%1 は、Tarvel が読み込みまたは保存した後に別のプログラムによって変更されました。</translation>
    </message>
    <message>
        <source>Yes reads it again, keeping this diary in a copy first.</source>
        <translation>「はい」はこの日記をコピーに保管してから、ファイルを読み込み直します。</translation>
    </message>
    <message>
        <source>No overwrites the file with this diary.</source>
        <translation>「いいえ」はこの日記でファイルを上書きします。</translation>
    </message>
    <message>
        <source>Cancel writes nothing.</source>
        <translation>「キャンセル」は何も書き込みません。</translation>
    </message>
    <message>
        <source>This diary was kept as %1.</source>
        <translation>この日記は %1 として保管されました。</translation>
    </message>
    <message>
        <source>%1 was changed by another program; saving asks first.</source>
        <translation>%1 は別のプログラムによって変更されました。保存する前に確認します。</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Stones and pounds (st lb)</source>
        <translation>ストーン・ポンド (st lb)</translation>
    </message>
    <message>
        <source>Maximum weight is %1.</source>
        <translation>体重は%1までです。</translation>
    </message>
    <message>
        <source>Input your weight. (%1)</source>
        <translation>体重を入力してください。(%1)</translation>
    </message>
</context>
<context>
    <name>tarvel::AboutDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvel::ColorDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvel::CommDlg</name>
    <message>
        <source>EVEN</source>
        <translation>偶数</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvel::GraphSetDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarvel::HelpWindow</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>キーワードを入力</translation>
    </message>
</context>
<context>
    <name>tarvel::MainMenus</name>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
</context>
</TS>
