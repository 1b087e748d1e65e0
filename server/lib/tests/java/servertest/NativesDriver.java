package servertest;

import java.io.IOException;
import java.io.InputStream;
import java.net.InetAddress;
import java.net.ServerSocket;
import java.net.Socket;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.CountDownLatch;

import brivel.server.BrvServer;
import brivel.server.BrvServerMain;

/** Drives the server natives as the Java server does, for the tests. */
public class NativesDriver {
    private static Socket client;

    public static void load() {
        System.loadLibrary("BrvServerLib");
    }

    /**
     * Accepts a loop-back connection and hands its server end to initProto,
     * as the server's accept loop does; answers the id the connection object
     * sends the client. The client end stays open until closeConnection.
     */
    public static int openConnection(int listener, int clientNumber) throws IOException {
        try (ServerSocket server = new ServerSocket(0, 1, InetAddress.getLoopbackAddress())) {
            client = new Socket(InetAddress.getLoopbackAddress(), server.getLocalPort());
            Socket accepted = server.accept();
            BrvServerMain.initProto(false, accepted, listener, clientNumber, false, null);
        }
        client.setSoTimeout(20000);
        InputStream in = client.getInputStream();
        byte[] answer = new byte[7];
        for (int got = 0; got < answer.length;) {
            int r = in.read(answer, got, answer.length - got);
            if (r < 0) throw new IOException("connection ended after " + got + " bytes");
            got += r;
        }
        if (answer[0] != 7 || answer[1] != 0 || answer[2] != 'I') throw new IOException("not an id answer");
        return (answer[3] & 0xFF) | (answer[4] & 0xFF) << 8 | (answer[5] & 0xFF) << 16 | (answer[6] & 0xFF) << 24;
    }

    public static void closeConnection() throws IOException {
        client.close();
    }

    /**
     * Each thread opens `each` connections of listener 1, all at once with
     * the others, then ends them. Answers every id given, and as its last
     * element the open count while all were open.
     */
    public static int[] connectFromThreads(final int threads, final int each) throws InterruptedException {
        final BrvServer server = new BrvServer(false, 0, null, 1, false, null);
        final List<Integer> ids = new ArrayList<Integer>();
        final CountDownLatch allOpen = new CountDownLatch(threads);
        final CountDownLatch counted = new CountDownLatch(1);
        final int[] peak = new int[1];
        List<Thread> workers = new ArrayList<Thread>();
        for (int t = 0; t < threads; ++t) {
            final int number = t;
            Thread worker = new Thread(new Runnable() {
                public void run() {
                    int[] mine = new int[each];
                    for (int i = 0; i < each; ++i) mine[i] = server.getConnid(0, 0, 0, number, 1);
                    synchronized (ids) {
                        for (int id : mine) ids.add(id);
                    }
                    allOpen.countDown();
                    try {
                        counted.await();
                    } catch (InterruptedException ignored) {
                    }
                    for (int id : mine) server.onDisconnect(id);
                }
            });
            workers.add(worker);
            worker.start();
        }
        allOpen.await();
        peak[0] = BrvServer.getNCons();
        counted.countDown();
        for (Thread worker : workers) worker.join();
        int[] result = new int[ids.size() + 1];
        for (int i = 0; i < ids.size(); ++i) result[i] = ids.get(i);
        result[ids.size()] = peak[0];
        return result;
    }
}
